// marquetto-cli import run as a cron job runs it: the feed through a pipe, the design to a file or to
// standard output, and a feed too large to read.
#include "tests/faults/CliProcess.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string rss = std::string(MARQUETTO_TEST_DATA) + "/feed/harbour-rss.xml";

} // namespace

class FeedImportFaults : public testing::Test
{
protected:
    CliProcess::Outcome run(const std::string& command)
    {
        return CliProcess::run(command, folder.path(), MARQUETTO_CLI);
    }
    std::string file(const std::string& name) const { return folder.file(name); }

    TemporaryFolder folder;
};

TEST_F(FeedImportFaults, APipedFeedAndStandardOutputGiveTheSameDesignAsFiles)
{
    const auto fromFile = run("\"$CLI\" import --from '" + rss + "' --to from-file.tkp");
    ASSERT_EQ(fromFile.exitCode, 0) << fromFile.err;
    const std::string expected = readBytes(file("from-file.tkp"));
    ASSERT_NE(expected.find("#%#qvo-titletext1=Ferry timetable &amp; fares changeendof-qvo-titletext1#%#"),
              std::string::npos);

    const auto piped = run("cat '" + rss + "' | \"$CLI\" import --from - --to piped.tkp");
    ASSERT_EQ(piped.exitCode, 0) << piped.err;
    EXPECT_EQ(readBytes(file("piped.tkp")), expected);

    const auto toOutput = run("\"$CLI\" import --from '" + rss + "' --to -");
    ASSERT_EQ(toOutput.exitCode, 0) << toOutput.err;
    EXPECT_EQ(toOutput.out, expected);

    const auto pipedProject =
        run("cat from-file.tkp | \"$CLI\" import --from '" + rss + "' --project - --to again.tkp");
    ASSERT_EQ(pipedProject.exitCode, 0) << pipedProject.err;
    EXPECT_EQ(readBytes(file("again.tkp")), expected);
}

TEST_F(FeedImportFaults, AFeedOver64MiBThroughAPipeIsRefusedAndNothingIsWritten)
{
    writeBytes(file("box.tkp"), "the design as it was");
    const auto refused = run("head -c 67108865 /dev/zero | tr '\\0' ' ' | \"$CLI\" import --from - --project "
                             "box.tkp --to box.tkp");
    EXPECT_EQ(refused.exitCode, 3);
    EXPECT_EQ(refused.err,
              "marquetto-cli: \"standard input\": holds more than 67108864 bytes (64 MiB); larger "
              "files are not read.\n");
    EXPECT_EQ(readBytes(file("box.tkp")), "the design as it was");
}
