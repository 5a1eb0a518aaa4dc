#include "app/CommandLineTool.h"
#include "tests/support/FedPipe.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/TemporaryFolder.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace {

struct MessagesRun
{
    int status;
    std::string err;
};

MessagesRun runMessages(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> all{"messages"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const int status = CommandLineTool(out, err).run(all);
    EXPECT_EQ(out.str(), "");
    return {status, err.str()};
}

std::string record(const std::string& key, const std::string& value)
{
    return "#%#qvo-" + key + "=" + value + "endof-qvo-" + key + "#%#\r\n";
}

// A project of `count` messages "M1", "M2", ... whose texts say their number.
std::string projectOf(const TemporaryFolder& folder, int count)
{
    std::string text = record("text-message_count", std::to_string(count));
    for (int n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        text += record("tmessage" + number, "<b>" + number + "</b>") + record("linktext" + number, "") +
                record("targettext" + number, "_top") + record("titletext" + number, "M" + number);
    }
    const std::string path = folder.file(std::to_string(count) + ".tkp");
    writeBytes(path, text);
    return path;
}

// The first two items of tests/data/feed/harbour-rss.xml as import takes them with these options (the
// import command's own test works the texts out).
const std::vector<std::string> harbourOptions{"--max", "2", "--length", "20", "--target", "_top"};
const std::string harbourFile =
    "{\"version\":1,\"messages\":["
    "{\"title\":\"Ferry timetable &amp; fares change\",\"text\":\"From <b>Monday</b>, the\xE2\x80\xA6\","
    "\"link\":\"https://news.example.org/town/ferry.html\",\"target\":\"_top\"},"
    "{\"title\":\"Caf\xC3\xA9 opens on the pier\",\"text\":\"Cr\xC3\xAApes, <i>caf\xC3\xA9</i> "
    "and\xE2\x80\xA6\","
    "\"link\":\"https://news.example.org/town/2026/cafe.html\",\"target\":\"_top\"}]}\n";

} // namespace

TEST(MessagesCommand, WritesTheMessagesOfAProjectOrAFeed)
{
    TemporaryFolder folder;
    const std::string to = folder.file("box_messages.json");
    ASSERT_EQ(runMessages({"--to", to, projectOf(folder, 2)}).status, 0);
    EXPECT_EQ(readBytes(to),
              "{\"version\":1,\"messages\":[{\"title\":\"M1\",\"text\":\"<b>1</b>\",\"link\":\"\","
              "\"target\":\"_top\"},{\"title\":\"M2\",\"text\":\"<b>2</b>\",\"link\":\"\","
              "\"target\":\"_top\"}]}\n");

    std::vector<std::string> fromFeed{"--from", testData("feed/harbour-rss.xml"), "--to", to};
    fromFeed.insert(fromFeed.end(), harbourOptions.begin(), harbourOptions.end());
    const MessagesRun feed = runMessages(fromFeed);
    ASSERT_EQ(feed.status, 0) << feed.err;
    EXPECT_EQ(readBytes(to), harbourFile);
}

TEST(MessagesCommand, AFeedIsReadFromStandardInput)
{
    TemporaryFolder folder;
    const std::string to = folder.file("piped.json");
    FedPipe pipe(readBytes(testData("feed/harbour-rss.xml")));
    const int kept = dup(STDIN_FILENO);
    dup2(pipe.readEnd(), STDIN_FILENO);
    std::vector<std::string> arguments{"--from", "-", "--to", to};
    arguments.insert(arguments.end(), harbourOptions.begin(), harbourOptions.end());
    const MessagesRun run = runMessages(arguments);
    dup2(kept, STDIN_FILENO);
    close(kept);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(readBytes(to), harbourFile);
}

// A refusal, for wrong use or for what a box would not take, leaves the file that is there as it was.
TEST(MessagesCommand, RefusalsLeaveTheFileAsItWas)
{
    TemporaryFolder folder;
    const std::string to = folder.file("kept.json");
    const std::string broken = folder.file("broken.xml");
    writeBytes(broken, "<rss><channel><item><title>x</title></channel></rss>");
    const std::string empty = folder.file("empty.csv");
    writeBytes(empty, "title,text,link,target\r\n");
    const std::string feed = testData("feed/harbour-rss.xml");
    const struct
    {
        std::vector<std::string> arguments;
        int status;
        std::string says;
    } cases[] = {
        {{"--from", feed}, 2, "messages needs --to FILE"},
        {{"--from", feed, "--to", to, "--max", "1001"}, 2, "--max takes a whole number from 1 to 1000"},
        {{"--from", feed, "--to", to, "--max", "0"}, 2, "--max takes a whole number from 1 to 1000 "},
        {{"--from", feed, "--to", to, "--length", "0"}, 2, "--length takes a whole number from 1 to"},
        {{"--to", to, "--max", "5"}, 2, "--max goes with --from FEED"},
        {{"--to", to, "--target", "_top"}, 2, "--target goes with --from FEED"},
        {{"--from", feed, "--to", to, projectOf(folder, 1)}, 2, "a feed or a project, not both"},
        {{"--from", folder.file("missing.xml"), "--to", to}, 3, "missing.xml"},
        {{"--from", broken, "--to", to}, 3, "broken.xml\": line 1, column"},
        {{"--from", empty, "--to", to}, 1, "the feed holds no item"},
        {{"--to", to, projectOf(folder, 0)}, 1, "a news box takes 1 to 1000 messages, not 0"},
        {{"--to", to, projectOf(folder, 1001)}, 1, "a news box takes 1 to 1000 messages, not 1001"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.back());
        writeBytes(to, "old");
        const MessagesRun run = runMessages(c.arguments);
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
        EXPECT_EQ(readBytes(to), "old");
    }
}

// A box that has the old file open reads it whole, and the name gives the new file whole: the new file is
// renamed over the old one, never written into it.
TEST(MessagesCommand, TheFileIsReplacedWhole)
{
    TemporaryFolder folder;
    const std::string to = folder.file("box_messages.json");
    const std::string old = "{\"version\":1,\"messages\":[" + std::string(100000, ' ') + "]}\n";
    writeBytes(to, old);
    const int reader = open(to.c_str(), O_RDONLY);
    ASSERT_GE(reader, 0);
    ASSERT_EQ(runMessages({"--to", to, projectOf(folder, 1)}).status, 0);
    std::string stillOpen(old.size() + 1, '\0');
    const ssize_t read = pread(reader, stillOpen.data(), stillOpen.size(), 0);
    close(reader);
    EXPECT_EQ(stillOpen.substr(0, static_cast<std::size_t>(std::max<ssize_t>(read, 0))), old);
    EXPECT_EQ(readBytes(to).rfind("{\"version\":1,\"messages\":[{\"title\":\"M1\"", 0), 0u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2)
        << "only the project and the file";
}
