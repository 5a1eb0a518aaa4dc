#include "tests/preview/PublishingHarness.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FindWidget.h"

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QUrl>

#include <filesystem>

namespace {

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

} // namespace

TEST(PublishingActions, CopyFilesReplacesOlderCopiesAndLeavesThePreviewBehind)
{
    PublishingHarness h;
    h.generate();
    const QString site = h.work("site");
    QDir().mkpath(site);
    writeBytes((site + "/scroller_newsticie.js").toStdString(), "an older copy");
    h.platform.expectChooseFolder(site);
    h.platform.expectNoticeContaining("Copied into \"" + site +
                                      "/\":\n"
                                      "scroller_newsticns6.js\nscroller_newsticie.js\nscroller_newstic.html");
    h.click("copyFilesButton");

    const auto asked = h.platform.lastCall(FakePlatform::CallKind::ChooseFolder);
    EXPECT_EQ(asked.options.caption, "Copy Files into...");
    EXPECT_EQ(asked.parent, &h.page);
    EXPECT_EQ(filesIn(site),
              (QStringList{"scroller_newstic.html", "scroller_newsticie.js", "scroller_newsticns6.js"}));
    EXPECT_EQ(readBytes((site + "/scroller_newsticie.js").toStdString()),
              readBytes(h.work("scroller_newsticie.js").toStdString()));
    EXPECT_FALSE(h.platform.lastCall(FakePlatform::CallKind::Notice).text.contains("could not"));
}

// With live messages the messages file goes with the box's files, and the Step 5 list names it.
TEST(PublishingActions, CopyFilesTakesTheMessagesFileOfLiveMessages)
{
    PublishingHarness h;
    h.record.liveMessages = 1;
    h.generate();
    EXPECT_EQ(findWidget<QPlainTextEdit>(&h.page, "generatedFilesEdit")->toPlainText(),
              "scroller_newstic.html\nscroller_newsticie.js\nscroller_newsticns6.js\nscroller_messages.json");
    const QString site = h.work("site");
    QDir().mkpath(site);
    h.platform.expectChooseFolder(site);
    h.platform.expectNoticeContaining("scroller_newstic.html\nscroller_messages.json");
    h.click("copyFilesButton");
    EXPECT_EQ(readBytes((site + "/scroller_messages.json").toStdString()),
              readBytes(h.work("scroller_messages.json").toStdString()));
}

TEST(PublishingActions, TheFolderChooserStartsWhereTheFilesWentLastTime)
{
    PublishingHarness h;
    h.generate();
    const QString first = h.work("first site");
    QDir().mkpath(first);
    h.platform.expectChooseFolder(first);
    h.platform.expectNoticeContaining(first);
    h.click("copyFilesButton");
    EXPECT_EQ(h.platform.lastCall(FakePlatform::CallKind::ChooseFolder).options.folder, "");

    h.platform.expectChooseFolder(std::nullopt);
    h.click("copyFilesButton");
    EXPECT_EQ(h.platform.lastCall(FakePlatform::CallKind::ChooseFolder).options.folder, first);
}

TEST(PublishingActions, TheBackgroundImageIsCopiedOnlyWhenSwitchedOn)
{
    PublishingHarness h;
    h.generate();
    writeBytes(h.work("tkbackground.jpg").toStdString(), "image");
    const QString off = h.work("off");
    const QString on = h.work("on");
    QDir().mkpath(off);
    QDir().mkpath(on);

    h.platform.expectChooseFolder(off);
    h.platform.expectNoticeContaining("scroller_newstic.html");
    h.click("copyFilesButton");
    EXPECT_FALSE(QFile::exists(off + "/tkbackground.jpg"));
    EXPECT_FALSE(h.platform.lastCall(FakePlatform::CallKind::Notice).text.contains("tkbackground.jpg"));

    h.record.bgImageOn = 1;
    h.platform.expectChooseFolder(on + "/");
    h.platform.expectNoticeContaining("Copied into \"" + on + "/\":\n");
    h.click("copyFilesButton");
    EXPECT_TRUE(QFile::exists(on + "/tkbackground.jpg"));
    EXPECT_TRUE(h.platform.lastCall(FakePlatform::CallKind::Notice).text.endsWith("\ntkbackground.jpg"));
}

TEST(PublishingActions, AWindows1252DesignCopiesTheFilesUnderTheirUtf8Names)
{
    PublishingHarness h;
    h.record.scrollerName = "caf\xe9_";
    h.record.bgImageOn = 1;
    h.record.bgImageName = "\xe9t\xe9.jpg";
    writeBytes(h.work(QString::fromUtf8("\xc3\xa9t\xc3\xa9.jpg")).toStdString(), "image");
    h.generate();
    const QString site = h.work("site");
    QDir().mkpath(site);
    h.platform.expectChooseFolder(site);
    h.platform.expectNoticeContaining(QString::fromUtf8("caf\xc3\xa9_newstic.html"));
    h.click("copyFilesButton");
    EXPECT_EQ(h.platform.messages(), QStringList());
    EXPECT_EQ(filesIn(site), (QStringList{QString::fromUtf8("caf\xc3\xa9_newstic.html"),
                                          QString::fromUtf8("caf\xc3\xa9_newsticie.js"),
                                          QString::fromUtf8("caf\xc3\xa9_newsticns6.js"),
                                          QString::fromUtf8("\xc3\xa9t\xc3\xa9.jpg")}));
}

TEST(PublishingActions, FailedCopiesAreNamedInTheNoticeAndTheOthersStillHappen)
{
    PublishingHarness h;
    h.generate();
    h.record.bgImageOn = 1;
    h.record.bgImageName = "../x.jpg";
    const QString site = h.work("site");
    QDir().mkpath(site);
    QFile::remove(h.work("scroller_newsticie.js"));
    h.platform.expectChooseFolder(site);
    h.platform.expectNoticeContaining("Copied into \"" + site +
                                      "/\":\nscroller_newsticns6.js\nscroller_newstic.html\n\n"
                                      "These files could not be copied:\n\"../x.jpg\": not copied");
    h.click("copyFilesButton");

    const QString notice = h.platform.lastCall(FakePlatform::CallKind::Notice).text;
    EXPECT_TRUE(notice.contains("\n\"scroller_newsticie.js\": ")) << notice.toStdString();
    EXPECT_EQ(filesIn(site), (QStringList{"scroller_newstic.html", "scroller_newsticns6.js"}));
    EXPECT_FALSE(QFile::exists(h.work("x.jpg")));
}

TEST(PublishingActions, WhenEveryCopyFailsTheNoticeSaysNothingWasCopied)
{
    PublishingHarness h;
    h.generate();
    h.platform.setCopyFileFails(true);
    h.platform.expectChooseFolder(h.work("site"));
    h.platform.expectNoticeContaining("Nothing was copied into \"" + h.work("site") +
                                      "/\".\n\n"
                                      "These files could not be copied:\n");
    h.click("copyFilesButton");
    const QString notice = h.platform.lastCall(FakePlatform::CallKind::Notice).text;
    for (const char* file : {"scroller_newsticns6.js", "scroller_newsticie.js", "scroller_newstic.html"})
        EXPECT_TRUE(notice.contains(QString("/site/") + file + "\": the test made copying fail")) << file;
}

TEST(PublishingActions, CancellingTheChooserCopiesNothingAndSaysNothing)
{
    PublishingHarness h;
    h.generate();
    h.platform.expectChooseFolder(std::nullopt);
    h.click("copyFilesButton");
    EXPECT_TRUE(h.platform.copies().isEmpty());
}

TEST(PublishingActions, CopyPutsExactlyTheSnippetOnTheClipboardAndPreviewInBrowserOpensThePreviewPage)
{
    PublishingHarness h;
    h.generate();
    const QString snippet =
        "<iframe width=\"180\" height=\"215\" src=\"scroller_newstic.html\" SCROLLING=\"no\" "
        "FRAMEBORDER=\"0\" border=0></iframe>";
    auto* snippetBox = findWidget<QPlainTextEdit>(&h.page, "snippetEdit");
    ASSERT_FALSE(snippetBox->textCursor().hasSelection());
    h.platform.expectClipboard(snippet);
    h.click("copyButton");
    EXPECT_EQ(snippetBox->textCursor().selectedText(), snippet) << "the copied snippet is not shown selected";
    h.platform.expectOpenUrl(QUrl::fromLocalFile(h.work("preview.html")));
    h.click("previewInBrowserButton");
    h.platform.verify();
}
