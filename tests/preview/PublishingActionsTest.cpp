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
    h.platform.expectSaveFileName(site + "/Marquetto Files.js");
    h.click("copyFilesButton");

    const FileDialogOptions asked = h.platform.lastCall(FakePlatform::CallKind::SaveFileName).options;
    EXPECT_EQ(asked.filter, "Marquetto Files (*.js)");
    EXPECT_EQ(asked.defaultSuffix, "js");
    EXPECT_EQ(asked.proposedName, "Marquetto Files");
    EXPECT_FALSE(asked.existingOnly) << "an empty web folder must be choosable";
    EXPECT_EQ(filesIn(site),
              (QStringList{"scroller_newstic.html", "scroller_newsticie.js", "scroller_newsticns6.js"}));
    EXPECT_EQ(readBytes((site + "/scroller_newsticie.js").toStdString()),
              readBytes(h.work("scroller_newsticie.js").toStdString()));
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

    h.platform.expectSaveFileName(off + "/x.js");
    h.click("copyFilesButton");
    EXPECT_FALSE(QFile::exists(off + "/tkbackground.jpg"));

    h.record.bgImageOn = 1;
    h.platform.expectSaveFileName(on + "/x.js");
    h.click("copyFilesButton");
    EXPECT_TRUE(QFile::exists(on + "/tkbackground.jpg"));
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
    h.platform.expectSaveFileName(site + "/x.js");
    h.click("copyFilesButton");
    EXPECT_EQ(h.platform.messages(), QStringList());
    EXPECT_EQ(filesIn(site), (QStringList{QString::fromUtf8("caf\xc3\xa9_newstic.html"),
                                          QString::fromUtf8("caf\xc3\xa9_newsticie.js"),
                                          QString::fromUtf8("caf\xc3\xa9_newsticns6.js"),
                                          QString::fromUtf8("\xc3\xa9t\xc3\xa9.jpg")}));
}

TEST(PublishingActions, FailedCopiesAreNamedInOneMessageAndTheOthersStillHappen)
{
    PublishingHarness h;
    h.generate();
    h.record.bgImageOn = 1;
    h.record.bgImageName = "../x.jpg";
    const QString site = h.work("site");
    QDir().mkpath(site);
    QFile::remove(h.work("scroller_newsticie.js"));
    h.platform.expectSaveFileName(site + "/x.js");
    h.platform.expectMessageContaining("These files could not be copied into \"" + site + "/\"");
    h.click("copyFilesButton");

    const QString message = h.platform.messages().value(0);
    EXPECT_TRUE(message.contains("\"scroller_newsticie.js\": ")) << message.toStdString();
    EXPECT_TRUE(message.contains("\"../x.jpg\": not copied")) << message.toStdString();
    EXPECT_FALSE(message.contains("scroller_newsticns6.js")) << message.toStdString();
    EXPECT_EQ(filesIn(site), (QStringList{"scroller_newstic.html", "scroller_newsticns6.js"}));
    EXPECT_FALSE(QFile::exists(h.work("x.jpg")));
}

TEST(PublishingActions, EveryCopyThatFailsIsReported)
{
    PublishingHarness h;
    h.generate();
    h.platform.setCopyFileFails(true);
    h.platform.expectSaveFileName(h.work("site/x.js"));
    h.platform.expectMessageContaining("scroller_newstic.html");
    h.click("copyFilesButton");
    const QString message = h.platform.messages().value(0);
    for (const char* file : {"scroller_newsticns6.js", "scroller_newsticie.js", "scroller_newstic.html"})
        EXPECT_TRUE(message.contains(file)) << file;
}

TEST(PublishingActions, CancellingTheDialogCopiesNothing)
{
    PublishingHarness h;
    h.generate();
    h.platform.expectSaveFileName(std::nullopt);
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
