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

namespace {

// A feed's title or text that holds the project file's record markers; each is made inert by a character
// reference, so the stored value, read as HTML, is the text the feed gave.
const std::string script = "#%#qvo-linktext1=javascript:alert(document.domain)endof-qvo-linktext1#%#";
const std::string accessible = "#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#";
const std::string inertScript =
    "#%#qv&#111;-linktext1=javascript:alert(document.domain)endof-qv&#111;-linktext1#%#";
const std::string inertAccessible = "#%#qv&#111;-x-accessiblebox=1endof-qv&#111;-x-accessiblebox#%#";

std::string shownAsHtml(std::string stored)
{
    for (std::size_t at = stored.find("&#111;"); at != std::string::npos; at = stored.find("&#111;", at))
        stored.replace(at, 6, "o");
    return stored;
}

} // namespace

// Untrusted feeds that try to write records of their own: each imports, and what is written reads back
// as the design it was with the feed's messages, every other record as it stood.
TEST(ImportCommand, AFeedHoldingRecordMarkersChangesNoOtherRecord)
{
    TemporaryFolder folder;
    const std::string project = customProject(folder);
    const struct
    {
        const char* name;
        const char* file;
        std::string feed;
        std::vector<Message> stored;
        // Each line naming the item left out.
        std::string warnings;
    } cases[] = {
        {"RSS description",
         "a.xml",
         "<rss><channel><item><title>t</title><link>http://x.example/ok</link><description>Read more " +
             script + " and " + accessible + "</description></item></channel></rss>",
         {{"t", "Read more " + inertScript + " and " + inertAccessible, "http://x.example/ok", "_blank"}},
         ""},
        {"CSV text column",
         "b.csv",
         "title,text,link\nt,\"" + script + "\",http://x.example/ok\n",
         {{"t", inertScript, "http://x.example/ok", "_blank"}},
         ""},
        {"JSON Feed text",
         "c.json",
         R"({"version":"https://jsonfeed.org/version/1.1","items":[{"title":"t","content_text":")" + script +
             R"(","url":"http://x.example/ok"}]})",
         {{"t", inertScript, "http://x.example/ok", "_blank"}},
         ""},
        {"JSON Feed text ending a message",
         "d.json",
         R"({"version":"https://jsonfeed.org/version/1.1","items":[{"content_text":"endof-qvo-tmessage1#%# lost"}]})",
         {{"", "endof-qv&#111;-tmessage1#%# lost", "", "_blank"}},
         ""},
        {"Atom title",
         "e.xml",
         "<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>" + accessible +
             "</title></entry></feed>",
         {{inertAccessible, "", "", "_blank"}},
         ""},
        {"links and targets holding a marker",
         "f.csv",
         "title,link,target\n"
         "one,http://x.example/?qvo-linktext1=javascript:alert(1),\n"
         "two,http://x.example/two,main#%#qvo-x-accessiblebox=1\n"
         "three,http://x.example/endof-qvo-tmessage1,\n"
         "four,http://x.example/four,\n",
         {{"four", "", "http://x.example/four", "_blank"}},
         "item 1: its link holds \"qvo-linktext1=\", which the project file uses to mark a record; the item "
         "is "
         "left out\n"
         "item 2: its target holds \"qvo-x-accessiblebox=\", which the project file uses to mark a record; "
         "the "
         "item is left out\n"
         "item 3: its link holds \"endof-qvo-tmessage1\", which the project file uses to mark a record; the "
         "item is left out\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string feed = folder.file(c.file);
        writeBytes(feed, c.feed);
        const std::string out = folder.file("out.tkp");
        const ImportRun run = runImport({"--from", feed, "--project", project, "--to", out});
        ASSERT_EQ(run.status, 0) << run.err;
        std::string warnings;
        for (std::size_t at = 0; at < c.warnings.size();) {
            const std::size_t end = c.warnings.find('\n', at) + 1;
            warnings += "marquetto-cli: warning: \"" + feed + "\": " + c.warnings.substr(at, end - at);
            at = end;
        }
        EXPECT_EQ(run.err, warnings);

        ProjectRecord expected = readProjectFile(project);
        expected.clearMessages();
        for (const Message& message : c.stored)
            expected.appendMessage(message);
        const ProjectRecord written = readProjectFile(out);
        expectSameDesign(expected, written);
        std::ostringstream said;
        std::ostringstream errors;
        EXPECT_EQ(CommandLineTool(said, errors).run({"check", out}), 0);
        EXPECT_EQ(said.str(), "No problems found.\n");
    }
    EXPECT_EQ(shownAsHtml("Read more " + inertScript + " and " + inertAccessible),
              "Read more " + script + " and " + accessible);
}
