// What marquetto-cli does when the file system works against it: full disks, read-only files and folders,
// a kill in the middle of a save, links, pipes, FIFOs, the size limits and very long names. Every case
// runs the real program as a separate process and says what it expects.

#include "project/ProjectWriter.h"
#include "tests/faults/CliProcess.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <pwd.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr std::uintmax_t limit = 64 * 1024 * 1024;

std::string project(int messages, const std::string& flavour)
{
    ProjectRecord record;
    record.width = "180";
    record.scrollerName = flavour;
    for (int i = 0; i < messages; ++i)
        record.appendMessage({flavour + " title " + std::to_string(i),
                              flavour + " text of message " + std::to_string(i) + ", long enough to count",
                              "https://example.org/" + flavour + "/" + std::to_string(i), "_top"});
    return ProjectWriter::projectText(record);
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class Faults : public testing::Test
{
protected:
    CliProcess::Outcome run(const std::string& command, CliProcess::Options options = {})
    {
        return CliProcess::run(command, folder.path(), MARQUETTO_CLI, options);
    }
    std::string file(const std::string& name) const { return folder.file(name); }

    TemporaryFolder folder;
};

// Root may write anything; the read-only cases run the program as an ordinary user, which needs a copy
// of it and a folder that this user owns.
class FaultsAsUser : public Faults
{
protected:
    FaultsAsUser()
    {
        if (geteuid() != 0) {
            program_ = MARQUETTO_CLI;
            return;
        }
        const passwd* nobody = getpwnam("nobody");
        if (!nobody)
            throw std::runtime_error("there is no user \"nobody\" to run the program as");
        options_.user = nobody->pw_uid;
        options_.group = nobody->pw_gid;
        fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
        program_ = file("marquetto-cli");
        fs::copy_file(MARQUETTO_CLI, program_);
        fs::permissions(program_, fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    }

    // A folder of the user's own, with the files in it owned by the user as well.
    void giveToUser(const std::string& path)
    {
        if (options_.user && chown(path.c_str(), *options_.user, *options_.group) != 0)
            throw std::runtime_error("cannot give " + path + " to the user");
    }

    CliProcess::Outcome runAsUser(const std::string& command)
    {
        return CliProcess::run(command, folder.path(), program_, options_);
    }

private:
    std::string program_;
    CliProcess::Options options_;
};

// Expected: exit 3 with a message naming the file and the reason; the old file whole; nothing left
// behind; never killed by SIGXFSZ (exit 153).
TEST_F(Faults, AFullDiskFailsTheSaveAndKeepsTheOldFile)
{
    const std::string before = project(3000, "old");
    writeBytes(file("box.tkp"), before);
    writeBytes(file("bigger.tkp"), project(30000, "new"));

    CliProcess::Options sizeLimit;
    sizeLimit.fileSizeLimit = 1024 * 1024;
    const auto limited = run("\"$CLI\" save --project bigger.tkp --to box.tkp", sizeLimit);
    EXPECT_EQ(limited.signal, 0);
    EXPECT_EQ(limited.exitCode, 3);
    EXPECT_TRUE(contains(limited.err, "\"box.tkp\"")) << limited.err;
    EXPECT_TRUE(contains(limited.err, "File too large")) << limited.err;
    EXPECT_EQ(readBytes(file("box.tkp")), before);
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"bigger.tkp", "box.tkp"}));

    const auto full = run("\"$CLI\" save --to /dev/full");
    EXPECT_EQ(full.exitCode, 3);
    EXPECT_TRUE(contains(full.err, "\"/dev/full\": could not be written: No space left on device"))
        << full.err;
}

// Expected: exit 3 naming the script that did not fit; the box written before stays whole, and a folder
// that had none is left empty: no preview.html or host page of the new box beside old scripts.
TEST_F(Faults, AFullDiskDuringGenerateLeavesTheOldBoxWhole)
{
    writeBytes(file("small.tkp"), project(3, "box_"));
    writeBytes(file("large.tkp"), project(30000, "box_"));
    ASSERT_EQ(run("\"$CLI\" generate --out site small.tkp").exitCode, 0);
    std::vector<std::string> before;
    for (const std::string& name : namesIn(file("site")))
        before.push_back(name + ": " + readBytes(file("site/" + name)));

    CliProcess::Options sizeLimit;
    sizeLimit.fileSizeLimit = 1024 * 1024;
    for (const std::string folder : {"site", "empty"}) {
        const auto full = run("\"$CLI\" generate --out " + folder + " large.tkp", sizeLimit);
        EXPECT_EQ(full.exitCode, 3) << folder;
        EXPECT_TRUE(contains(full.err, "box_newsticns6.js\": could not be written")) << full.err;
    }
    std::vector<std::string> after;
    for (const std::string& name : namesIn(file("site")))
        after.push_back(name + ": " + readBytes(file("site/" + name)));
    EXPECT_EQ(after, before);
    EXPECT_EQ(namesIn(file("empty")), std::vector<std::string>{});
}

// Expected: writing the results to a full standard output is an error (exit 3) with a message, for help
// texts and snippets alike.
TEST_F(Faults, AFailedWriteToStandardOutputIsAnError)
{
    for (const std::string command :
         {"\"$CLI\" --help > /dev/full", "\"$CLI\" generate --out site > /dev/full",
          "\"$CLI\" save --to - > /dev/full"}) {
        const auto failed = run(command);
        EXPECT_EQ(failed.exitCode, 3) << command;
        EXPECT_TRUE(contains(failed.err, "standard output")) << command << ": " << failed.err;
        EXPECT_TRUE(contains(failed.err, "No space left on device")) << command << ": " << failed.err;
    }
}

// Expected: exit 3, a message that says "read-only" and names the file or the folder; the file as it was.
TEST_F(FaultsAsUser, ReadOnlyFilesAndFoldersAreRefusedNamed)
{
    ASSERT_NE(runAsUser("id -u").out, "0\n") << "the read-only cases must not run as root";
    const std::string mine = file("mine");
    fs::create_directory(mine);
    giveToUser(mine);
    const std::string kept = "#%#qvo-nameoftext=kept_read_only_endof-qvo-nameoftext#%#";
    writeBytes(mine + "/locked.tkp", kept);
    giveToUser(mine + "/locked.tkp");
    fs::permissions(mine + "/locked.tkp", fs::perms::owner_read | fs::perms::group_read);

    const auto lockedFile = runAsUser("\"$CLI\" save --to mine/locked.tkp");
    EXPECT_EQ(lockedFile.exitCode, 3);
    EXPECT_TRUE(contains(lockedFile.err, "\"mine/locked.tkp\": is read-only")) << lockedFile.err;
    EXPECT_EQ(readBytes(mine + "/locked.tkp"), kept);

    const std::string shelf = file("shelf");
    fs::create_directory(shelf);
    writeBytes(shelf + "/open.tkp", "a writable design in a read-only folder");
    giveToUser(shelf);
    giveToUser(shelf + "/open.tkp");
    fs::permissions(shelf, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                               fs::perms::others_exec);
    const auto lockedFolder = runAsUser("\"$CLI\" save --to shelf/open.tkp");
    EXPECT_EQ(lockedFolder.exitCode, 3);
    EXPECT_TRUE(contains(lockedFolder.err, "folder \"shelf\" is read-only")) << lockedFolder.err;
    EXPECT_EQ(readBytes(shelf + "/open.tkp"), "a writable design in a read-only folder");
    const auto newFile = runAsUser("\"$CLI\" save --to shelf/new.tkp");
    EXPECT_EQ(newFile.exitCode, 3);
    EXPECT_TRUE(contains(newFile.err, "\"shelf/new.tkp\": cannot be created")) << newFile.err;
    EXPECT_EQ(namesIn(shelf), std::vector<std::string>{"open.tkp"});

    // Reading needs no write permission.
    const auto read = runAsUser("\"$CLI\" save --project mine/locked.tkp --to -");
    EXPECT_EQ(read.exitCode, 0) << read.err;
}

// Expected: whenever the save is killed, the file holds the whole previous version or the whole new one,
// and the next save clears what the killed ones left behind.
TEST_F(Faults, AKillInTheMiddleOfASaveLeavesTheWholeOldOrTheWholeNewFile)
{
    const std::array<std::string, 2> versions{project(60000, "first"), project(60000, "second")};
    writeBytes(file("first.tkp"), versions[0]);
    writeBytes(file("second.tkp"), versions[1]);
    writeBytes(file("box.tkp"), versions[0]);

    const auto started = std::chrono::steady_clock::now();
    ASSERT_EQ(run("\"$CLI\" save --project second.tkp --to box.tkp").exitCode, 0);
    const auto saveTime = std::chrono::steady_clock::now() - started;
    ASSERT_EQ(readBytes(file("box.tkp")), versions[1]);

    std::mt19937 random(50);
    std::uniform_int_distribution<std::int64_t> delay(
        0, std::chrono::duration_cast<std::chrono::microseconds>(saveTime).count());
    int killed = 0;
    std::string previous = versions[1];
    for (int round = 0; round < 50; ++round) {
        const int next = round % 2;
        CliProcess save("exec \"$CLI\" save --project " + std::string(next ? "second" : "first") +
                            ".tkp --to box.tkp",
                        folder.path(), MARQUETTO_CLI);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(save.pid(), SIGKILL);
        const auto outcome = save.finish();
        killed += outcome.signal == SIGKILL ? 1 : 0;
        const std::string now = readBytes(file("box.tkp"));
        ASSERT_TRUE(now == previous || now == versions[next])
            << "round " << round << ": the file is neither version (" << now.size() << " bytes)";
        previous = now;
    }
    EXPECT_GE(killed, 10) << "too few saves were interrupted to show anything";

    ASSERT_EQ(run("\"$CLI\" save --project first.tkp --to box.tkp").exitCode, 0);
    EXPECT_EQ(readBytes(file("box.tkp")), versions[0]);
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"box.tkp", "first.tkp", "second.tkp"}));
}

// Expected: a link keeps pointing at its file, which gets the new version; /dev/stdout stays a link to
// the descriptor and the project goes to where standard output leads.
TEST_F(Faults, LinksKeepPointingAtTheFileTheyName)
{
    const std::string design = project(20, "linked");
    writeBytes(file("design.tkp"), design);
    fs::create_directories(file("store/projects"));
    writeBytes(file("store/projects/box.tkp"), "the version before");
    fs::create_symlink("store/projects/box.tkp", file("box.tkp"));
    fs::create_symlink("box.tkp", file("shortcut.tkp"));

    ASSERT_EQ(run("\"$CLI\" save --project design.tkp --to shortcut.tkp").exitCode, 0);
    EXPECT_TRUE(fs::is_symlink(file("shortcut.tkp")));
    EXPECT_TRUE(fs::is_symlink(file("box.tkp")));
    EXPECT_EQ(readBytes(file("store/projects/box.tkp")), design);
    EXPECT_EQ(namesIn(file("store/projects")), std::vector<std::string>{"box.tkp"});

    const auto toStdout = run("\"$CLI\" save --project design.tkp --to /dev/stdout > out.tkp");
    EXPECT_EQ(toStdout.exitCode, 0) << toStdout.err;
    EXPECT_EQ(readBytes(file("out.tkp")), design);
    EXPECT_TRUE(fs::is_symlink("/dev/stdout")) << "the system's /dev/stdout was replaced";
}

// Expected: - reads standard input and writes standard output; pipes, FIFOs and <(...) are read to their
// end and written in place, and the FIFO is still a FIFO afterwards.
TEST_F(Faults, PipesAndFifosAreStreamedWhole)
{
    const std::string design = project(40000, "piped");
    ASSERT_GT(design.size(), 4u * 1024 * 1024);
    writeBytes(file("design.tkp"), design);

    EXPECT_EQ(run("cat design.tkp | \"$CLI\" save --project - --to - | cat > through-pipes.tkp").exitCode, 0);
    EXPECT_EQ(readBytes(file("through-pipes.tkp")), design);
    EXPECT_EQ(run("\"$CLI\" save --project <(cat design.tkp) --to substituted.tkp").exitCode, 0);
    EXPECT_EQ(readBytes(file("substituted.tkp")), design);
    EXPECT_EQ(run("cat design.tkp | \"$CLI\" save --project /dev/stdin --to from-stdin.tkp").exitCode, 0);
    EXPECT_EQ(readBytes(file("from-stdin.tkp")), design);

    ASSERT_EQ(mkfifo(file("fifo").c_str(), 0600), 0);
    const auto into = run("cat fifo > from-fifo.tkp & \"$CLI\" save --project design.tkp --to fifo; wait");
    EXPECT_EQ(into.exitCode, 0) << into.err;
    EXPECT_EQ(readBytes(file("from-fifo.tkp")), design);
    const auto outOf = run("cat design.tkp > fifo & \"$CLI\" save --project fifo --to out-of-fifo.tkp; wait");
    EXPECT_EQ(outOf.exitCode, 0) << outOf.err;
    EXPECT_EQ(readBytes(file("out-of-fifo.tkp")), design);
    EXPECT_TRUE(fs::is_fifo(file("fifo")));
}

// Expected: piped input is read from its very first byte, so a record that opens the text still counts.
TEST_F(Faults, PipedInputCountsFromItsFirstByte)
{
    writeBytes(file("bare.tkp"), "qvo-width=321endof-qvo-width");
    const auto saved = run("cat bare.tkp | \"$CLI\" save --to - -");
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_TRUE(contains(saved.out, "qvo-width=321endof-qvo-width")) << saved.out;
}

// Expected: a file or a pipe over 64 MiB and a count over 1,000,000 messages are refused on reading,
// naming the limit; a project that would save larger than the reader accepts is refused before anything
// is written. Exit 3 each time.
TEST_F(Faults, TheLimitsAreNamedAndNothingUnreadableIsWritten)
{
    writeBytes(file("huge.tkp"), "#%#qvo-width=1endof-qvo-width#%#");
    fs::resize_file(file("huge.tkp"), limit + 1);
    const auto huge = run("\"$CLI\" save --project huge.tkp --to out.tkp");
    EXPECT_EQ(huge.exitCode, 3);
    EXPECT_TRUE(contains(huge.err,
                         "\"huge.tkp\": is 67108865 bytes (64 MiB) large; files over 67108864 bytes "
                         "(64 MiB) are not read"))
        << huge.err;

    const auto piped = run("cat huge.tkp | \"$CLI\" save --project - --to out.tkp");
    EXPECT_EQ(piped.exitCode, 3);
    EXPECT_TRUE(contains(piped.err, "\"standard input\": holds more than 67108864 bytes (64 MiB)"))
        << piped.err;
    EXPECT_FALSE(contains(piped.err, "18446744073709551615")) << piped.err;

    writeBytes(file("crowded.tkp"), "#%#qvo-text-message_count=1000001endof-qvo-text-message_count#%#");
    const auto crowded = run("\"$CLI\" save --project crowded.tkp --to out.tkp");
    EXPECT_EQ(crowded.exitCode, 3);
    EXPECT_TRUE(contains(crowded.err, "at most 1000000 messages")) << crowded.err;

    writeBytes(file("million.tkp"), "#%#qvo-text-message_count=1000000endof-qvo-text-message_count#%#");
    const auto unsaveable = run("\"$CLI\" save --project million.tkp --to out.tkp");
    EXPECT_EQ(unsaveable.exitCode, 3);
    EXPECT_TRUE(contains(unsaveable.err, "\"out.tkp\": was not saved")) << unsaveable.err;
    EXPECT_TRUE(contains(unsaveable.err, "more than the 67108864 bytes (64 MiB)")) << unsaveable.err;
    EXPECT_EQ(namesIn(folder.path()), (std::vector<std::string>{"crowded.tkp", "huge.tkp", "million.tkp"}));
}

// Expected: a name of 240 characters (and one of 255, the longest there is) saves and saves again, with
// no temporary name too long for the file system.
TEST_F(Faults, LongNamesSave)
{
    for (std::size_t length : {240u, 255u}) {
        const std::string name = std::string(length - 4, 'x') + ".tkp";
        const auto first = run("\"$CLI\" save --to " + name);
        EXPECT_EQ(first.exitCode, 0) << length << ": " << first.err;
        const auto again = run("\"$CLI\" save --project " + name + " --to " + name);
        EXPECT_EQ(again.exitCode, 0) << length << ": " << again.err;
        EXPECT_EQ(readBytes(file(name)),
                  readBytes(std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp"));
    }
    EXPECT_EQ(namesIn(folder.path()).size(), 2u);
}

} // namespace
