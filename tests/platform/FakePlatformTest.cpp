#include "tests/support/FakePlatform.h"

#include "tests/support/TemporaryFolder.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

// The fake is what makes the wizard's tests strict, so its own failures must fire.
TEST(FakePlatform, AnswersExpectedCallsInOrderAndRecordsThem)
{
    FakePlatform platform;
    platform.expectMessage("hello");
    platform.expectSaveFileName(QString("/tmp/a.tkp"));
    platform.expectOpenFileName(std::nullopt);
    platform.expectColor(QColor(1, 2, 3));

    platform.showMessage(nullptr, "hello");
    FileDialogOptions options;
    options.caption = "Save";
    options.proposedName = "newproject.tkp";
    EXPECT_EQ(platform.saveFileName(nullptr, options), QString("/tmp/a.tkp"));
    EXPECT_EQ(platform.openFileName(nullptr, {}), std::nullopt);
    EXPECT_EQ(platform.chooseColor(nullptr, QColor(9, 9, 9)), QColor(1, 2, 3));

    EXPECT_EQ(platform.pendingExpectations(), 0);
    EXPECT_EQ(platform.messages(), QStringList{"hello"});
    EXPECT_EQ(platform.lastCall(FakePlatform::CallKind::SaveFileName).options.proposedName, "newproject.tkp");
    EXPECT_EQ(platform.lastCall(FakePlatform::CallKind::Color).initialColor, QColor(9, 9, 9));
}

TEST(FakePlatform, FailsOnCallsThatWereNotExpected)
{
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.showMessage(nullptr, "surprise");
        },
        "unexpected call: message surprise");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectMessage("first");
            platform.copyToClipboard("text");
            platform.showMessage(nullptr, "first");
        },
        "while waiting for message");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectMessage("right text");
            platform.showMessage(nullptr, "wrong text");
        },
        "message text");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectOpenUrl(QUrl("http://a.example/"));
            platform.openUrl(QUrl("http://b.example/"));
        },
        "opened address");
}

TEST(FakePlatform, FailsOnExpectationsLeftUnmet)
{
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectClipboard("never copied");
        },
        "expected call never made: clipboard never copied");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.dataFolder();
        },
        "dataFolder asked");
}

TEST(FakePlatform, WorksOnRealFoldersUnlessToldToFail)
{
    TemporaryFolder temporary;
    const QString root = QString::fromStdString(temporary.path());
    FakePlatform platform;

    EXPECT_TRUE(platform.makeFolder(root + "/made").ok());
    EXPECT_FALSE(platform.makeFolder(root + "/made").ok());
    EXPECT_TRUE(QDir(root + "/made").exists());
    platform.setMakeFolderFails(true);
    EXPECT_FALSE(platform.makeFolder(root + "/refused").ok());
    EXPECT_FALSE(QDir(root + "/refused").exists());

    QFile source(root + "/source.txt");
    ASSERT_TRUE(source.open(QIODevice::WriteOnly));
    source.write("bytes");
    source.close();
    EXPECT_TRUE(platform.copyFile(root + "/source.txt", root + "/made/copy.txt").ok());
    EXPECT_TRUE(QFile::exists(root + "/made/copy.txt"));
    EXPECT_FALSE(platform.copyFile(root + "/missing.txt", root + "/made/other.txt").ok());
    platform.setCopyFileFails(true);
    EXPECT_FALSE(platform.copyFile(root + "/source.txt", root + "/made/third.txt").ok());
    EXPECT_FALSE(QFile::exists(root + "/made/third.txt"));
    EXPECT_EQ(platform.copies().size(), 1);

    EXPECT_TRUE(platform.isWritableFolder(root + "/made"));
    platform.setReadOnlyFolder(root + "/made/");
    EXPECT_FALSE(platform.isWritableFolder(root + "/made"));
    EXPECT_FALSE(platform.isWritableFolder(root + "/missing"));
}

TEST(FakePlatform, MatchesPartOfAMessageWhenToldTo)
{
    FakePlatform platform;
    platform.expectMessageContaining("/work/preview.html");
    platform.showMessage(nullptr, "\"/work/preview.html\": cannot be written: No such file or directory.");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform other;
            other.expectMessageContaining("preview.html");
            other.showMessage(nullptr, "\"/work/scroller_newstic.html\": cannot be written.");
        },
        "does not contain");
}

TEST(FakePlatform, TheReplaceQuestionAndNoticesFailOnAnotherFileOrText)
{
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectReplaceQuestion("/srv/a.tkp", true);
            platform.askToReplace(nullptr, "/srv/b.tkp");
        },
        "the file asked about");
    EXPECT_NONFATAL_FAILURE(
        {
            FakePlatform platform;
            platform.expectNoticeContaining("Copied into");
            platform.showNotice(nullptr, "Nothing was copied");
        },
        "notice text");
}
