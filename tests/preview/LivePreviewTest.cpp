#include "preview/LivePreview.h"

#include "preview/PreviewWindows.h"
#include "preview/PreviewWnd.h"
#include "preview/PublishingActions.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/Translations.h"
#include "ui/uc.h"

#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr int liveDeadline = 10000;

std::string pathOf(const QUrl& page)
{
    return page.toLocalFile().toStdString();
}

std::string folderOf(const QUrl& page)
{
    const std::string path = pathOf(page);
    return path.substr(0, path.rfind('/') + 1);
}

// The default design, whose working folder is `work`.
ProjectRecord designIn(const TemporaryFolder& work)
{
    ProjectRecord design = defaultDesign();
    design.workFolder = work.path() + "/";
    return design;
}

TEST(LivePreview, GeneratesTheBoxAsStepFiveDoesIntoItsOwnFolderOnly)
{
    TemporaryFolder work;
    LivePreview live([&] { return designIn(work); });
    const LivePreview::Outcome outcome = live.start();
    ASSERT_TRUE(outcome.refusal.isEmpty()) << outcome.refusal.toStdString();
    EXPECT_EQ(readBytes(pathOf(outcome.page)), readBytes(testData("generator/default-preview.html")));
    EXPECT_EQ(readBytes(folderOf(outcome.page) + "scroller_newstic.html"),
              readBytes(testData("generator/default-host-page.html")));
    EXPECT_TRUE(pathOf(outcome.page).starts_with(live.folder().toStdString()));
    EXPECT_TRUE(namesIn(work.path()).empty()) << "the working folder was written to";
}

TEST(LivePreview, ABoxNameWithASlashIsRefusedNamingTheFileNotTheFolder)
{
    TemporaryFolder work;
    LivePreview live([&] {
        ProjectRecord design = designIn(work);
        design.scrollerName = "news/";
        return design;
    });
    const LivePreview::Outcome outcome = live.start();
    EXPECT_TRUE(outcome.page.isEmpty());
    EXPECT_TRUE(outcome.refusal.contains("\"news/newstic.html\"")) << outcome.refusal.toStdString();
    EXPECT_TRUE(outcome.refusal.contains("path separator"));
    EXPECT_FALSE(outcome.refusal.contains(live.folder()));
}

TEST(LivePreview, ChangesMadeInQuickSuccessionBecomeOneRunOfTheLastOfThem)
{
    TemporaryFolder work;
    int width = 180;
    int designsTaken = 0;
    LivePreview live([&] {
        ++designsTaken;
        ProjectRecord design = designIn(work);
        design.width = std::to_string(width);
        return design;
    });
    const QUrl first = live.start().page;
    QSignalSpy generated(&live, &LivePreview::generated);
    for (int typed : {401, 402, 403, 404, 405}) {
        width = typed;
        live.designChanged();
        QTest::qWait(LivePreview::pauseMs / 10);
    }
    ASSERT_TRUE(generated.wait(liveDeadline));
    QTest::qWait(LivePreview::pauseMs * 2);
    ASSERT_EQ(generated.count(), 1);
    EXPECT_EQ(designsTaken, 2);
    const QUrl page = generated.front().front().toUrl();
    EXPECT_NE(folderOf(page), folderOf(first)) << "a run wrote into the files the window shows";
    EXPECT_NE(readBytes(pathOf(page)).find("width=\"405\""), std::string::npos) << readBytes(pathOf(page));
}

TEST(LivePreview, TheBackgroundImageOfTheWorkingFolderIsBesideThePreview)
{
    TemporaryFolder work;
    writeBytes(work.file("tkbackground.jpg"), "not really a JPEG");
    LivePreview live([&] {
        ProjectRecord design = designIn(work);
        design.bgImageOn = ProjectRecord::ticked;
        return design;
    });
    const QUrl page = live.start().page;
    EXPECT_EQ(readBytes(folderOf(page) + "tkbackground.jpg"), "not really a JPEG");
}

// Windows that note what the actions ask of them.
class NotedWindows : public PreviewWindows
{
public:
    void openWindow(const QUrl& page, const QRect&, Events events) override
    {
        asked << "open " + page.toString();
        this->events = std::move(events);
    }
    void reload() override { asked << "reload"; }
    void update(const QUrl& page) override { asked << "update " + page.toString(); }
    void showNote(const QString& note) override { asked << "note " + note; }

    QStringList asked;
    Events events;
};

TEST(LivePreview, TheOpenWindowShowsEachGoodDesignAndKeepsTheLastWithANoteForARefusedOne)
{
    TemporaryFolder work;
    ProjectRecord record = designIn(work);
    FakePlatform platform;
    uc page(record, platform);
    auto* windows = new NotedWindows;
    PublishingActions actions(record, platform, page, std::unique_ptr<PreviewWindows>(windows));
    std::string name = "scroller_";
    actions.followDesign([&] {
        ProjectRecord design = record;
        design.scrollerName = name;
        return design;
    });
    // A request that came late or twice would be counted with the next change's and fail its size.
    const auto next = [&](const QString& what, qsizetype requests) {
        const qsizetype before = windows->asked.size();
        actions.designChanged();
        EXPECT_TRUE(QTest::qWaitFor([&] { return windows->asked.size() >= before + requests; }, liveDeadline))
            << what.toStdString();
        return windows->asked.mid(before);
    };

    actions.designChanged();
    actions.ShowPreview();
    ASSERT_EQ(windows->asked.size(), 1);
    EXPECT_TRUE(windows->asked.front().startsWith("open file://" + actions.livePreview()->folder()));
    EXPECT_TRUE(windows->asked.front().endsWith("/preview.html"));

    name = "news/";
    const QStringList refused = next("the refusal", 1);
    ASSERT_EQ(refused.size(), 1);
    EXPECT_EQ(refused.front(), "note Not updated: The name of the news box holds \"/\", a path separator, so "
                               "\"news/newstic.html\" cannot be written; remove it.");

    name = "news_";
    const QStringList good = next("the good design", 2);
    ASSERT_EQ(good.size(), 2);
    EXPECT_TRUE(good[0].startsWith("update file://" + actions.livePreview()->folder()));
    EXPECT_EQ(good[1], "note ");

    const qsizetype beforeClosing = windows->asked.size();
    windows->events.closed(QRect(0, 0, 300, 300));
    actions.designChanged();
    QTest::qWait(LivePreview::pauseMs * 3);
    EXPECT_EQ(windows->asked.size(), beforeClosing) << "a closed window was updated";
    EXPECT_TRUE(namesIn(work.path()).empty()) << "the working folder was written to";
}

// The note is one sentence in the wizard's language, the captions it names as the pages show them.
TEST(LivePreview, TheWindowAndItsNoteSpeakTheWizardsLanguage)
{
    const auto backToEnglish =
        qScopeGuard([] { qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)); });
    ASSERT_EQ(Translations::install(*qApp, {"de"}, QStringLiteral(MARQUETTO_TRANSLATIONS_BUILD_DIR)), "de");
    EXPECT_EQ(PreviewWnd([](const QRect&) {}).windowTitle(), "Live-Vorschau");
    const struct
    {
        std::function<void(ProjectRecord&)> change;
        QString note;
    } cases[] = {
        {[](ProjectRecord& r) { r.scrollerName = "news/"; },
         QString::fromUtf8(
             "Nicht aktualisiert: Der Name der Nachrichtenbox enthält „/“, ein Pfadtrennzeichen, "
             "daher kann „news/newstic.html“ nicht geschrieben werden; entfernen Sie es.")},
        {[](ProjectRecord& r) { r.topMargin = "4pstopvr3"; },
         QString::fromUtf8(
             "Nicht aktualisiert: Schritt 2, Oberer Rand: enthält „pstopvr3“, wonach der Generator "
             "in seinen Skripten sucht; entfernen Sie es.")},
    };
    for (const auto& c : cases) {
        TemporaryFolder work;
        ProjectRecord record = designIn(work);
        c.change(record);
        FakePlatform platform;
        uc page(record, platform);
        auto* windows = new NotedWindows;
        PublishingActions actions(record, platform, page, std::unique_ptr<PreviewWindows>(windows));
        actions.followDesign([&] { return record; });
        actions.ShowPreview();
        ASSERT_EQ(windows->asked.size(), 2);
        EXPECT_EQ(windows->asked[1], "note " + c.note);
    }
}

} // namespace
