#include "app/CommandLineTool.h"
#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/RecordMessages.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ImportRun
{
    int status;
    std::string out;
    std::string err;
};

ImportRun runImport(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    std::vector<std::string> all{"import"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const int status = CommandLineTool(out, err).run(all);
    return {status, out.str(), err.str()};
}

std::string sample(const std::string& name)
{
    return testData("feed/" + name);
}

// A design that differs from the default in settings the import must keep.
std::string customProject(const TemporaryFolder& folder)
{
    const std::string path = folder.file("custom.tkp");
    writeBytes(path,
               "#%#qvo-width=321endof-qvo-width#%#\r\n#%#qvo-nameoftext=harbourendof-qvo-nameoftext#%#\r\n"
               "#%#qvo-bgcolorr=12endof-qvo-bgcolorr#%#\r\n" +
                   std::string(BuiltInTexts::defaultProject()));
    return path;
}

} // namespace

TEST(ImportCommand, ReplacesTheMessagesAndKeepsEverythingElse)
{
    TemporaryFolder folder;
    const std::string project = customProject(folder);
    const std::string out = folder.file("out.tkp");
    const ImportRun run = runImport({"--from", sample("harbour-rss.xml"), "--project", project, "--to", out,
                                     "--max", "2", "--length", "20", "--target", "_top"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");

    ProjectRecord expected = readProjectFile(project);
    expected.clearMessages();
    expected.appendMessage({"Ferry timetable &amp; fares change", "From <b>Monday</b>, the\u2026",
                            "https://news.example.org/town/ferry.html", "_top"});
    expected.appendMessage({"Caf\u00E9 opens on the pier", "Cr\u00EApes, <i>caf\u00E9</i> and\u2026",
                            "https://news.example.org/town/2026/cafe.html", "_top"});
    expectSameDesign(expected, readProjectFile(out));
    EXPECT_EQ(readProjectFile(out).width, "321");
}

TEST(ImportCommand, AppendAddsAfterTheDesignsMessages)
{
    TemporaryFolder folder;
    const std::string project = customProject(folder);
    const std::string out = folder.file("out.tkp");
    ASSERT_EQ(runImport({"--from", sample("shop.csv"), "--project", project, "--to", out, "--append"}).status,
              0);
    const std::vector<Message> before = messagesOf(readProjectFile(project));
    const std::vector<Message> after = messagesOf(readProjectFile(out));
    ASSERT_EQ(after.size(), before.size() + 3);
    EXPECT_EQ(std::vector<Message>(after.begin(), after.begin() + static_cast<long>(before.size())), before);
    EXPECT_EQ(after.back(), (Message{"Relative", "<u>kept</u>", "/relative/path", "_blank"}));
}

// What import produces is what check accepts, for every sample and for links that the box opens through
// a script (targets _top and _parent).
TEST(ImportCommand, EveryImportedDesignPassesTheCheck)
{
    TemporaryFolder folder;
    writeBytes(folder.file("tricky.csv"),
               "title,text,link,target\n"
               "back\\slash,\"<b>open <i>and \\n \\\\ <textarea>\",https://x.example/it's\\here,_top\n"
               "\"<div>\",</div></div><script>,https://x.example/a\\b,_parent\n");
    for (const std::string& feed : {sample("harbour-rss.xml"), sample("journal-atom.xml"),
                                    sample("kitchen.json"), sample("shop.csv"), folder.file("tricky.csv")}) {
        for (const char* target : {"_blank", "_top", "_parent"}) {
            const std::string out = folder.file("checked.tkp");
            const ImportRun imported = runImport({"--from", feed, "--to", out, "--target", target});
            ASSERT_EQ(imported.status, 0) << feed << ": " << imported.err;
            std::ostringstream said;
            std::ostringstream errors;
            EXPECT_EQ(CommandLineTool(said, errors).run({"check", out}), 0) << feed << " " << target;
            EXPECT_EQ(said.str(), "No problems found.\n") << feed << " " << target;
        }
    }
}

TEST(ImportCommand, FailuresWriteNothing)
{
    TemporaryFolder folder;
    const std::string out = folder.file("out.tkp");
    const std::string kept = folder.file("kept.tkp");
    writeBytes(kept, "the old bytes");
    writeBytes(folder.file("broken.xml"), "<rss>\n<channel>\n  <item><title>a</titel>");
    writeBytes(folder.file("none.json"),
               "{\"version\": \"https://jsonfeed.org/version/1.1\", \"items\": [{}]}");
    const std::string rss = sample("harbour-rss.xml");
    struct Case
    {
        std::vector<std::string> arguments;
        int status;
        std::string err;
    };
    const std::string tryHelp = "Try 'marquetto-cli --help'.\n";
    const Case cases[] = {
        {{"--to", out}, 2, "marquetto-cli: import needs --from FEED\n" + tryHelp},
        {{"--from", rss}, 2, "marquetto-cli: import needs --to FILE\n" + tryHelp},
        // Out of range, signed or not a number: the same answer, naming the range.
        {{"--from", rss, "--to", out, "--max", "0"},
         2,
         "marquetto-cli: --max takes a whole number from 1 to 1000000, not \"0\"\n" + tryHelp},
        {{"--from", rss, "--to", out, "--max", "-1"},
         2,
         "marquetto-cli: --max takes a whole number from 1 to 1000000, not \"-1\"\n" + tryHelp},
        {{"--from", rss, "--to", out, "--max", "1000001"},
         2,
         "marquetto-cli: --max takes a whole number from 1 to 1000000, not \"1000001\"\n" + tryHelp},
        {{"--from", rss, "--to", out, "--max", "ten\r"},
         2,
         "marquetto-cli: --max takes a whole number from 1 to 1000000, not \"ten\\r\"\n" + tryHelp},
        {{"--from", rss, "--to", out, "--length", "-5"},
         2,
         "marquetto-cli: --length takes a whole number from 1 to 999999999, not \"-5\"\n" + tryHelp},
        {{"--from", rss, "--to", out, "--target", "#%#qvo-linktext1="},
         2,
         "marquetto-cli: the target \"#%#qvo-linktext1=\" holds \"qvo-linktext1=\", which the project file "
         "uses to mark a record\n" +
             tryHelp},
        {{"--from", rss, "--to", out, "--target", "x'y"},
         2,
         "marquetto-cli: the target \"x'y\" holds a quote, backslash, angle bracket or control character, "
         "which "
         "the box's scripts cannot hold as they are\n" +
             tryHelp},
        {{"--from", "-", "--project", "-", "--to", out},
         2,
         "marquetto-cli: standard input can give the feed or the project, not both\n" + tryHelp},
        {{"--from", folder.file("broken.xml"), "--to", out},
         3,
         "marquetto-cli: \"" + folder.file("broken.xml") +
             "\": line 3, column 19: the feed is not well-formed XML: mismatched tag.\n"},
        {{"--from", folder.file("missing.xml"), "--to", out},
         3,
         "marquetto-cli: \"" + folder.file("missing.xml")},
        {{"--from", folder.file("none.json"), "--to", out},
         1,
         "marquetto-cli: the feed holds no item with a title, text or link; nothing is written\n"},
        {{"--from", rss, "--project", folder.file("missing.tkp"), "--to", out},
         3,
         "marquetto-cli: \"" + folder.file("missing.tkp")},
        {{"--from", folder.file("broken.xml"), "--project", kept, "--to", kept},
         3,
         "marquetto-cli: \"" + folder.file("broken.xml")},
    };
    for (const Case& c : cases) {
        const ImportRun run = runImport(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.err;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err);
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(out)) << c.err;
        EXPECT_EQ(readBytes(kept), "the old bytes");
    }
}
