#include "project/ProjectKeys.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace fs = std::filesystem;

namespace {

ProjectRecord openedFrom(const std::string& path)
{
    ProjectRecord record = defaultDesign();
    record.useDefaultProject = 2;
    record.projectPath = path;
    return record;
}

// Makes writes beyond a size fail, as a full disk would, even for root (who ignores folder permissions).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes) : previousHandler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit limited = previous_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    void (*previousHandler_)(int);
    rlimit previous_{};
};

} // namespace

TEST(ProjectFileErrors, AMissingFileNamesTheFileAndChangesNothing)
{
    TemporaryFolder folder;
    ProjectRecord record = openedFrom(folder.file("missing.tkp"));
    bool refreshed = false;
    const auto result = ProjectReader({}, [&] { refreshed = true; }).readProject(record);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message().find(folder.file("missing.tkp")), std::string::npos)
        << result.error().message();
    expectSameDesign(defaultDesign(), record);
    EXPECT_EQ(record.projectUntitled, 1);
    EXPECT_FALSE(refreshed);
}

TEST(ProjectFileErrors, AReadOnlyProjectOpens)
{
    TemporaryFolder folder;
    const std::string path = folder.file("locked.tkp");
    writeBytes(path, "#%#qvo-width=99endof-qvo-width#%#");
    fs::permissions(path, fs::perms::owner_read);
    ProjectRecord record = openedFrom(path);
    ASSERT_TRUE(ProjectReader({}).readProject(record).ok());
    EXPECT_EQ(record.width, "99");
}

TEST(ProjectFileErrors, HugeFilesAndCountsAreRefusedWithTheFileNamed)
{
    TemporaryFolder folder;
    const std::string big = folder.file("big.tkp");
    writeBytes(big, "#%#qvo-width=1endof-qvo-width#%#");
    fs::resize_file(big, ProjectReader::maxFileBytes + 1);
    const std::string crowded = folder.file("crowded.tkp");
    writeBytes(crowded, "#%#qvo-text-message_count=1000001endof-qvo-text-message_count#%#");

    for (const std::string& path : {big, crowded}) {
        ProjectRecord record = openedFrom(path);
        const auto result = ProjectReader({}).readProject(record);
        ASSERT_FALSE(result.ok()) << path;
        EXPECT_NE(result.error().message().find(path), std::string::npos) << result.error().message();
        expectSameDesign(defaultDesign(), record);
    }
    ProjectRecord record = openedFrom(crowded);
    EXPECT_NE(ProjectReader({}).readProject(record).error().message().find("1000001"), std::string::npos);
}

TEST(ProjectFileErrors, AnUnwritableFolderGivesAnErrorNamingTheFile)
{
    TemporaryFolder folder;
    writeBytes(folder.file("plain-file"), "not a folder");
    ProjectRecord record = defaultDesign();
    record.projectPath = folder.file("plain-file/new.tkp");
    const auto result = ProjectWriter::writeProject(record);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message().find(record.projectPath), std::string::npos)
        << result.error().message();
}

TEST(ProjectFileErrors, AFailedSaveLeavesThePreviousFileWhole)
{
    TemporaryFolder folder;
    const std::string path = folder.file("kept.tkp");
    const std::string previous = ProjectWriter::projectText(defaultDesign());
    writeBytes(path, previous);

    ProjectRecord bigger = defaultDesign();
    bigger.appendMessage({"", std::string(200000, 'z'), "", ""});
    bigger.projectPath = path;
    Expected<void> result;
    {
        FileSizeLimit limit(100000);
        result = ProjectWriter::writeProject(bigger);
    }
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message().find(path), std::string::npos) << result.error().message();
    EXPECT_EQ(readBytes(path), previous);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1)
        << "the unfinished temporary file is left behind";
}

TEST(ProjectFileErrors, ASaveReplacesTheFileAndLeavesNothingElse)
{
    TemporaryFolder folder;
    const std::string path = folder.file("saved.tkp");
    writeBytes(path, "old contents that are longer than nothing");
    ProjectRecord record;
    record.projectPath = path;
    ASSERT_TRUE(ProjectWriter::writeProject(record).ok());
    EXPECT_EQ(readBytes(path), ProjectWriter::projectText(record));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(ProjectFileErrors, AProjectThatCouldNotBeOpenedAgainIsNotSaved)
{
    TemporaryFolder folder;
    // A short file whose count asks for a million (empty) messages reads, but would save as far more than
    // a project file may hold.
    const std::string crowded = folder.file("crowded.tkp");
    writeBytes(crowded, "#%#qvo-text-message_count=1000000endof-qvo-text-message_count#%#");
    ProjectRecord record = openedFrom(crowded);
    ASSERT_TRUE(ProjectReader({}).readProject(record).ok());
    ASSERT_EQ(record.messageCount(), 1000000);

    record.projectPath = folder.file("copy.tkp");
    writeBytes(record.projectPath, "the previous copy");
    const auto result = ProjectWriter::writeProject(record);
    ASSERT_FALSE(result.ok());
    EXPECT_NE(result.error().message().find(record.projectPath), std::string::npos)
        << result.error().message();
    EXPECT_NE(result.error().message().find("more than the 67108864 bytes (64 MiB)"), std::string::npos)
        << result.error().message();
    EXPECT_EQ(readBytes(record.projectPath), "the previous copy");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 2);

    record.clearMessages();
    for (int i = 0; i < 1000; ++i)
        record.appendMessage({"", std::string(ProjectReader::maxFileBytes / 1000 - 200, 'v'), "", ""});
    ASSERT_LE(ProjectWriter::projectSize(record), ProjectReader::maxFileBytes);
    ASSERT_TRUE(ProjectWriter::writeProject(record).ok()) << "a project just under the limit saves";
    ProjectRecord reread = openedFrom(record.projectPath);
    ASSERT_TRUE(ProjectReader({}).readProject(reread).ok());
    EXPECT_EQ(reread.messageCount(), 1000);
}

// Message 1 to 700 all start before 100 KB of padding and all end after it, so each value is the padding.
TEST(ProjectFileErrors, ValuesThatOverlapIntoMoreThanTheLimitAreRefused)
{
    TemporaryFolder folder;
    std::string text = "#%#qvo-text-message_count=700endof-qvo-text-message_count#%#";
    for (int n = 1; n <= 700; ++n)
        text += "qvo-tmessage" + std::to_string(n) + "=";
    text += std::string(100000, '.');
    for (int n = 700; n >= 1; --n)
        text += "endof-qvo-tmessage" + std::to_string(n);
    const std::string path = folder.file("overlapping.tkp");
    writeBytes(path, text);
    // The same with the settings: each of them starts before 1.2 MB of padding and ends after it.
    std::string settings;
    for (const std::string& key : ProjectKeys::valueKeys())
        settings += "qvo-" + key + "=";
    settings += std::string(1200000, '.');
    for (const std::string& key : ProjectKeys::valueKeys())
        settings += "endof-qvo-" + key;
    writeBytes(folder.file("settings.tkp"), settings);

    for (const std::string& overlapping : {path, folder.file("settings.tkp")}) {
        ProjectRecord record = openedFrom(overlapping);
        const auto result = ProjectReader({}).readProject(record);
        ASSERT_FALSE(result.ok()) << overlapping;
        EXPECT_NE(result.error().message().find(overlapping), std::string::npos) << result.error().message();
        EXPECT_NE(result.error().message().find("more than 67108864 bytes (64 MiB)"), std::string::npos)
            << result.error().message();
        expectSameDesign(defaultDesign(), record);
    }
}
