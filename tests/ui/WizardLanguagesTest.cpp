#include "feed/FeedImport.h"
#include "project/ProjectWriter.h"
#include "tests/support/CutTexts.h"
#include "tests/support/FileBytes.h"
#include "tests/support/SampleFeeds.h"
#include "tests/ui/WizardHarness.h"
#include "ui/CAboutDlg.h"
#include "ui/FeedImportDialog.h"
#include "ui/Translations.h"
#include "ui/addbox.h"
#include "ui/uc.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QTabBar>
#include <QTest>
#include <QTranslator>
#include <QTreeWidget>

#include <functional>
#include <gtest/gtest.h>
#include <map>

// The wizard as a user whose desktop speaks German, French or Spanish meets it: every page and dialog in
// that language, nothing cut, and the same files and project as in English.
namespace {

// The catalogues of the language for as long as the object lives, installed as the wizard installs them.
class InLanguage
{
public:
    explicit InLanguage(const QString& language)
    {
        loaded_ = Translations::install(*qApp, {language}, QStringLiteral(MARQUETTO_TRANSLATIONS_BUILD_DIR));
    }
    ~InLanguage() { qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)); }
    InLanguage(const InLanguage&) = delete;
    InLanguage& operator=(const InLanguage&) = delete;

    const QString& loaded() const { return loaded_; }

private:
    QString loaded_;
};

// Words that read the same in a translation as in English.
bool sameInEveryLanguage(const QString& text)
{
    static const QStringList same = {"OK", "Text", "Link", "Normal", "Iris", "Zigzag", "pixels", "Marquetto"};
    return same.contains(text) || !text.contains(QRegularExpression(QStringLiteral("[A-Za-z]")));
}

// Every text a user reads in the window, in the order the widgets were made, so that two windows built
// alike in two languages line up text for text. Font names and the web address are names, not texts.
QStringList shownTexts(QWidget* window)
{
    QStringList texts = {window->windowTitle()};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(window) || widget->objectName().contains(QLatin1String("Font")) ||
            widget->objectName() == QLatin1String("webSiteButton"))
            continue;
        if (auto* label = qobject_cast<QLabel*>(widget))
            texts << label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            texts << group->title();
        else if (auto* combo = qobject_cast<QComboBox*>(widget))
            for (int item = 0; item < combo->count(); ++item)
                texts << combo->itemText(item);
        else if (auto* tabs = qobject_cast<QTabBar*>(widget))
            for (int tab = 0; tab < tabs->count(); ++tab)
                texts << tabs->tabText(tab);
        else if (auto* tree = qobject_cast<QTreeWidget*>(widget))
            for (int column = 0; column < tree->columnCount(); ++column)
                texts << tree->headerItem()->text(column);
    }
    texts.removeAll(QString());
    return texts;
}

// The texts that came out as they are in English, one per line.
std::string untranslated(const QStringList& english, const QStringList& translated)
{
    if (english.size() != translated.size())
        return "the window shows " + std::to_string(translated.size()) + " texts, in English " +
               std::to_string(english.size());
    QStringList same;
    for (qsizetype i = 0; i < english.size(); ++i)
        if (english[i] == translated[i] && !sameInEveryLanguage(english[i]))
            same << english[i];
    return same.join('\n').toStdString();
}

// Four items whose links would mark a record: three warnings in full and one counted.
std::string feedWithWarnings()
{
    std::string feed = "title,link\n";
    for (int i = 0; i < 4; ++i)
        feed += "t,http://x.example/endof-qvo-pause\n";
    return feed + "kept,\n";
}

// The texts and the cut texts of each page of a wizard and of each of its dialogs, by name.
struct Walk
{
    std::map<std::string, QStringList> texts;
    std::map<std::string, std::string> cut;

    void look(const std::string& name, QWidget* shown)
    {
        texts[name] = shownTexts(shown);
        cut[name] = cutTexts(shown);
    }
};

void showAndLook(Walk& walk, const std::string& name, QWidget* window)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    walk.look(name, window);
}

Walk walkTheWizard()
{
    Walk walk;
    WizardHarness harness;
    harness.wizard().show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    for (int step = 0; step < CQuorvoDlg::stepCount; ++step) {
        harness.goToStep(step);
        QWidget* page = step == CQuorvoDlg::publishingStep
                            ? static_cast<QWidget*>(harness.wizard().publishingPage())
                            : harness.wizard().stepPage(step);
        walk.look("Step " + std::to_string(step + 1), page);
    }
    walk.texts["frame"] = {harness.tabs()->tabText(0), harness.find<QPushButton>("exitButton")->text(),
                           harness.find<QPushButton>("saveProjectAsButton")->text(),
                           harness.find<QPushButton>("saveProjectButton")->text()};
    walk.cut["frame"] = cutTexts(&harness.wizard());

    addbox editor(harness.record(), &harness.wizard());
    showAndLook(walk, "message editor", &editor);
    auto items = FeedImport::items(harbourFeed);
    EXPECT_TRUE(items.ok());
    FeedImportDialog import(std::move(items.value()), "harbour news.rss", 3, &harness.wizard());
    showAndLook(walk, "import dialog", &import);
    auto warned = FeedImport::items(feedWithWarnings());
    EXPECT_TRUE(warned.ok());
    FeedImportDialog warnings(std::move(warned.value()), "links.csv", 3, &harness.wizard());
    showAndLook(walk, "import dialog with warnings", &warnings);
    // Each warning on a line of its own, and the count of those left out.
    walk.texts["import dialog with warnings"] +=
        warnings.findChild<QLabel*>("importSummary")->text().split('\n');
    CAboutDlg about(&harness.wizard());
    showAndLook(walk, "About box", &about);
    return walk;
}

class AtFont
{
public:
    explicit AtFont(int points) : previous_(QApplication::font())
    {
        if (points == 0)
            return;
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(points);
        QApplication::setFont(font);
    }
    ~AtFont() { QApplication::setFont(previous_); }

private:
    QFont previous_;
};

// 0 is the default font of the desktop; 11 pt is the usual larger one.
class WizardLanguages : public testing::TestWithParam<std::tuple<const char*, int>>
{};

TEST_P(WizardLanguages, EveryPageAndDialogIsTranslatedAndWhole)
{
    const auto [language, points] = GetParam();
    AtFont font(points);
    const Walk english = walkTheWizard();
    InLanguage translated(QString::fromLatin1(language));
    ASSERT_EQ(translated.loaded(), language) << "no catalogue in " << MARQUETTO_TRANSLATIONS_BUILD_DIR;
    const Walk walk = walkTheWizard();
    for (const auto& [name, texts] : walk.texts) {
        SCOPED_TRACE(name);
        EXPECT_EQ(untranslated(english.texts.at(name), texts), "");
        EXPECT_EQ(walk.cut.at(name), "");
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, WizardLanguages,
                         testing::Combine(testing::Values("de", "fr", "es"), testing::Values(0, 11)));

// What the wizard writes: the project it would save and the files of Step 5, after a few choices made
// through its lists, whose entries are translated while their positions are what the design keeps.
std::map<std::string, std::string> writtenDesign()
{
    WizardHarness harness;
    harness.goToStep(3);
    harness.find<QComboBox>("styleCombo")->setCurrentIndex(1);
    harness.find<QComboBox>("effectCombo")->setCurrentIndex(4);
    harness.find<QComboBox>("speedCombo")->setCurrentIndex(3);
    harness.goToStep(2);
    harness.find<QComboBox>("alignmentCombo")->setCurrentIndex(2);
    harness.find<QComboBox>("borderStyleCombo")->setCurrentIndex(1);
    harness.goToStep(CQuorvoDlg::publishingStep);
    std::map<std::string, std::string> written = {{"project", ProjectWriter::projectText(harness.record())}};
    for (const std::string& name : namesIn(harness.workFolder()))
        written[name] = readBytes(harness.workFile(name));
    written["snippet"] = harness.wizard().publishingPage()->snippetText().toStdString();
    return written;
}

TEST(WizardLanguage, TheDesignAndItsFilesAreTheSameInEveryLanguage)
{
    const auto english = writtenDesign();
    EXPECT_NE(english.find("scroller_newstic.html"), english.end()) << "no files were generated";
    for (const char* language : {"de", "fr", "es"}) {
        SCOPED_TRACE(language);
        InLanguage translated(QString::fromLatin1(language));
        ASSERT_EQ(translated.loaded(), language);
        const auto written = writtenDesign();
        ASSERT_EQ(written.size(), english.size());
        for (const auto& [name, bytes] : english) {
            SCOPED_TRACE(name);
            EXPECT_TRUE(written.at(name) == bytes) << "differs from the English wizard's";
        }
    }
}

} // namespace
