#include "project/TextFile.h"

#include "project/InputFile.h"
#include "project/OutputFile.h"
#include "tests/support/FedPipe.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

void expectMentions(const Expected<void>& result, const std::vector<std::string>& parts)
{
    ASSERT_FALSE(result.ok());
    for (const std::string& part : parts)
        EXPECT_NE(result.error().message().find(part), std::string::npos)
            << "\"" << part << "\" in " << result.error().message();
}

// Reads a FIFO to its end on another thread, as the program at the other end of a pipe would.
class FifoReader
{
public:
    explicit FifoReader(const std::string& path) : thread_([this, path] { received_ = readBytes(path); }) {}
    std::string finish()
    {
        thread_.join();
        return received_;
    }

private:
    std::string received_;
    std::thread thread_;
};

} // namespace

TEST(TextFile, WritingOverALongerFileLeavesExactlyTheNewText)
{
    TemporaryFolder folder;
    const std::string path = folder.file("page.html");
    ASSERT_TRUE(TextFile::replace(path, "a much longer first version of the file").ok());
    ASSERT_TRUE(TextFile::replace(path, "short").ok());
    EXPECT_EQ(readBytes(path), "short");
    ASSERT_TRUE(TextFile::replace(path, "").ok());
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"page.html"});
}

TEST(TextFile, FailuresNameTheFile)
{
    TemporaryFolder folder;
    const std::string missing = folder.file("no-folder/page.html");
    expectMentions(TextFile::replace(missing, "x"), {missing, "No such file or directory"});
    const auto read = TextFile::read(folder.path(), 100);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().message().find(folder.path()), std::string::npos);
}

TEST(TextFile, ASymbolicLinkKeepsPointingAtTheFileThatIsReplaced)
{
    TemporaryFolder folder;
    fs::create_directory(folder.file("real"));
    writeBytes(folder.file("real/project.tkp"), "old");
    fs::create_symlink("real/project.tkp", folder.file("link.tkp"));
    fs::create_symlink("link.tkp", folder.file("link-to-link.tkp"));

    ASSERT_TRUE(TextFile::replace(folder.file("link-to-link.tkp"), "new").ok());
    EXPECT_TRUE(fs::is_symlink(folder.file("link.tkp")));
    EXPECT_TRUE(fs::is_symlink(folder.file("link-to-link.tkp")));
    EXPECT_EQ(readBytes(folder.file("real/project.tkp")), "new");
    EXPECT_EQ(namesIn(folder.file("real")), std::vector<std::string>{"project.tkp"});

    fs::create_symlink("real/later.tkp", folder.file("dangling.tkp"));
    ASSERT_TRUE(TextFile::replace(folder.file("dangling.tkp"), "made through the link").ok());
    EXPECT_TRUE(fs::is_symlink(folder.file("dangling.tkp")));
    EXPECT_EQ(readBytes(folder.file("real/later.tkp")), "made through the link");

    fs::create_symlink("loop-b", folder.file("loop-a"));
    fs::create_symlink("loop-a", folder.file("loop-b"));
    expectMentions(TextFile::replace(folder.file("loop-a"), "x"), {folder.file("loop-a"), "symbolic links"});
}

TEST(TextFile, PipesAndDevicesAreWrittenInPlace)
{
    TemporaryFolder folder;
    const std::string fifo = folder.file("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    FifoReader reader(fifo);
    const std::string text(300000, 'p');
    ASSERT_TRUE(TextFile::replace(fifo, text).ok());
    EXPECT_EQ(reader.finish(), text);
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"pipe"});

    ASSERT_TRUE(TextFile::replace("/dev/null", "discarded").ok());
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
    expectMentions(TextFile::replace("/dev/full", text), {"\"/dev/full\"", "No space left on device"});
}

TEST(TextFile, AReadOnlyFileIsRefusedAndKept)
{
    TemporaryFolder folder;
    const std::string path = folder.file("locked.tkp");
    writeBytes(path, "kept");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    expectMentions(TextFile::replace(path, "lost"), {path, "read-only"});
    EXPECT_EQ(readBytes(path), "kept");
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"locked.tkp"});
}

TEST(TextFile, AReadOnlyFolderIsNamedAndNothingIsWrittenInIt)
{
    TemporaryFolder folder;
    const std::string locked = folder.file("locked");
    fs::create_directory(locked);
    writeBytes(locked + "/project.tkp", "kept");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec);

    const auto replaced = TextFile::replace(locked + "/project.tkp", "lost");
    expectMentions(replaced,
                   {locked + "/project.tkp", "folder \"" + locked + "\" is read-only", "replaced safely"});
    const auto created = TextFile::replace(locked + "/new.tkp", "x");
    expectMentions(created, {locked + "/new.tkp", "folder \"" + locked + "\" is read-only"});
    fs::permissions(locked, fs::perms::owner_all);
    EXPECT_EQ(readBytes(locked + "/project.tkp"), "kept");
    EXPECT_EQ(namesIn(locked), std::vector<std::string>{"project.tkp"});
}

TEST(TextFile, AReplacedFileKeepsItsPermissions)
{
    TemporaryFolder folder;
    const std::string path = folder.file("shared.tkp");
    writeBytes(path, "old");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read;
    fs::permissions(path, mode);
    ASSERT_TRUE(TextFile::replace(path, "new").ok());
    EXPECT_EQ(fs::status(path).permissions(), mode);
}

// A new file is made as any program makes one: readable and writable by all, less what the umask takes.
TEST(TextFile, ANewFileGetsTheModeTheUmaskLeaves)
{
    TemporaryFolder folder;
    const std::pair<mode_t, mode_t> masks[] = {{022, 0644}, {0, 0666}, {077, 0600}, {026, 0640}};
    for (const auto& [mask, mode] : masks) {
        const std::string path = folder.file("new-" + std::to_string(mask) + ".tkp");
        const mode_t before = umask(mask);
        const auto written = TextFile::replace(path, "new");
        umask(before);
        ASSERT_TRUE(written.ok());
        struct stat info
        {};
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, mode) << "umask " << mask;
    }
}

TEST(TextFile, TemporariesLeftByAnInterruptedSaveGoWithTheNextSave)
{
    TemporaryFolder folder;
    for (const char* name : {".box.tkp.saving-17", ".box.tkp.saving-4294967295", ".box.tkp.saving-x1",
                             ".other.tkp.saving-17", ".box.tkp.saving-"})
        writeBytes(folder.file(name), "left over");
    // A save still running holds a lock on its temporary; that one must survive.
    const std::string running = folder.file(".box.tkp.saving-99");
    writeBytes(running, "in progress");
    const int held = open(running.c_str(), O_RDONLY);
    ASSERT_EQ(flock(held, LOCK_EX), 0);

    ASSERT_TRUE(TextFile::replace(folder.file("box.tkp"), "saved").ok());
    close(held);
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{".box.tkp.saving-", ".box.tkp.saving-99", ".box.tkp.saving-x1",
                                        ".other.tkp.saving-17", "box.tkp"}));
}

TEST(TextFile, NamesUpToTheLongestLegalOneSave)
{
    TemporaryFolder folder;
    for (std::size_t length : {240u, 255u}) {
        const std::string path = folder.file(std::string(length - 4, 'n') + ".tkp");
        ASSERT_TRUE(TextFile::replace(path, "saved").ok()) << length;
        ASSERT_TRUE(TextFile::replace(path, "saved again").ok()) << length;
        EXPECT_EQ(readBytes(path), "saved again");
    }
    EXPECT_EQ(namesIn(folder.path()).size(), 2u);

    const std::string prefix = OutputFile::temporaryPrefix(std::string(300, 'n'), 255);
    EXPECT_EQ(prefix.size() + OutputFile::maxTemporaryNumberDigits, 255u);
    EXPECT_EQ(OutputFile::temporaryPrefix("short.tkp", 255), ".short.tkp.saving-");
    // 149 leaves room for 130 bytes of the name, which would cut the 65th "é" in half.
    std::string accented = "a";
    for (int i = 0; i < 100; ++i)
        accented += "\xC3\xA9";
    EXPECT_EQ(OutputFile::temporaryPrefix(accented, 149), "." + accented.substr(0, 129) + ".saving-");
}

TEST(TextFile, AFailedWriteThrowsTheNewVersionAway)
{
    TemporaryFolder folder;
    const std::string path = folder.file("kept.tkp");
    writeBytes(path, "old version");
    {
        auto file = OutputFile::replacing(path);
        ASSERT_TRUE(file.ok());
        ASSERT_TRUE(file.value().write("half of the new").ok());
    }
    EXPECT_EQ(readBytes(path), "old version");
    EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"kept.tkp"});
}

TEST(TextFile, APipeIsReadToItsEndUpToTheLimit)
{
    for (std::size_t size : {0u, 1u, 70000u, 3000000u}) {
        FedPipe pipe(std::string(size, 'r'));
        InputFile input = InputFile::onDescriptor(pipe.readEnd(), "standard input");
        const auto bytes = input.readAll(3000000);
        ASSERT_TRUE(bytes.ok()) << bytes.error().message();
        EXPECT_EQ(bytes.value(), std::string(size, 'r'));
    }
    FedPipe pipe(std::string(1000001, 'r'));
    InputFile input = InputFile::onDescriptor(pipe.readEnd(), "standard input");
    const auto refused = input.readAll(1000000);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().message(),
              "\"standard input\": holds more than 1000000 bytes (0 MiB); larger files are not read.");
}

TEST(TextFile, ACopyReplacesItsTargetAsASaveDoes)
{
    TemporaryFolder folder;
    std::string image(2500000, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 % 251);
    writeBytes(folder.file("sky.jpg"), image);
    fs::create_directory(folder.file("site"));
    fs::create_symlink("../sky.jpg", folder.file("site/sky.jpg"));
    writeBytes(folder.file("new-sky.jpg"), "another image");

    ASSERT_TRUE(TextFile::copy(folder.file("sky.jpg"), folder.file("copy.jpg")).ok());
    EXPECT_EQ(readBytes(folder.file("copy.jpg")), image);
    ASSERT_TRUE(TextFile::copy(folder.file("new-sky.jpg"), folder.file("site/sky.jpg")).ok());
    EXPECT_TRUE(fs::is_symlink(folder.file("site/sky.jpg")));
    EXPECT_EQ(readBytes(folder.file("sky.jpg")), "another image");
    // Copying a file onto itself leaves it whole.
    ASSERT_TRUE(TextFile::copy(folder.file("copy.jpg"), folder.file("copy.jpg")).ok());
    EXPECT_EQ(readBytes(folder.file("copy.jpg")), image);
    expectMentions(TextFile::copy(folder.file("missing.jpg"), folder.file("x.jpg")),
                   {folder.file("missing.jpg")});
}
