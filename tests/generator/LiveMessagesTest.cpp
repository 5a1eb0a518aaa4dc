#include "generator/LiveMessages.h"

#include "generator/Generator.h"
#include "generator/MessagesFile.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

struct LiveRun
{
    GeneratedTexts texts;
    std::string folder;
};

LiveRun liveGenerated(ProjectRecord record, const TemporaryFolder& folder)
{
    record.workFolder = folder.path() + "/";
    LiveRun run{{}, record.workFolder};
    EXPECT_TRUE(Generator::GenerateOutputs(record, run.texts).ok());
    return run;
}

ProjectRecord liveDesign()
{
    ProjectRecord design = defaultDesign();
    design.scrollerName = "box_";
    design.liveMessages = ProjectRecord::ticked;
    design.liveSeconds = 45;
    design.clearMessages();
    design.appendMessage({"Say \"hi\"", "a\\b", "http://x.example/", "_parent"});
    return design;
}

} // namespace

// JSON's escapes by hand: quotes and backslashes, the short escapes, \u00XX for the other control characters;
// every other character as its UTF-8 bytes.
TEST(MessagesFile, TheMessagesAreOneLineOfJsonInTheirOrder)
{
    EXPECT_EQ(
        MessagesFile::text(
            {{"Say \"hi\"", "C:\\x\r\n\t\b\f\x01\x1F\x7F", "", ""},
             {"caf\xC3\xA9 \xF0\x9F\x98\x80", "<b>new</b>", "http://x.example/?a=1&b", "_top"}}),
        "{\"version\":1,\"messages\":[{\"title\":\"Say \\\"hi\\\"\",\"text\":\"C:\\\\x\\r\\n\\t\\b\\f\\u0001"
        "\\u001F\x7F\",\"link\":\"\",\"target\":\"\"},{\"title\":\"caf\xC3\xA9 \xF0\x9F\x98\x80\","
        "\"text\":\"<b>new</b>\",\"link\":\"http://x.example/?a=1&b\",\"target\":\"_top\"}]}\n");
    EXPECT_EQ(MessagesFile::text({}), "{\"version\":1,\"messages\":[]}\n");
}

TEST(MessagesFile, AWindows1252DesignGivesItsMessagesInUtf8)
{
    ProjectRecord design = defaultDesign();
    design.clearMessages();
    design.appendMessage({"caf\xE9 \x80", "\x93q\x94", "", "_blank"});
    EXPECT_EQ(MessagesFile::ofDesign(design),
              "{\"version\":1,\"messages\":[{\"title\":\"caf\xC3\xA9 \xE2\x82\xAC\",\"text\":\"\xE2\x80\x9Cq"
              "\xE2\x80\x9D\",\"link\":\"\",\"target\":\"_blank\"}]}\n");
}

TEST(MessagesFile, TheFingerprintIsFnv1aAndTheLimitsAreTheBoxs)
{
    EXPECT_EQ(MessagesFile::fingerprint(""), 0x811C9DC5u);
    EXPECT_EQ(MessagesFile::fingerprint("a"), 0xE40C292Cu);
    EXPECT_EQ(MessagesFile::fingerprint("foobar"), 0xBF9CF968u);

    EXPECT_EQ(MessagesFile::refusal("{}", 1), "");
    EXPECT_EQ(MessagesFile::refusal(std::string(1024 * 1024, 'x'), 1000), "");
    EXPECT_EQ(MessagesFile::refusal("{}", 0), "a news box takes 1 to 1000 messages, not 0");
    EXPECT_EQ(MessagesFile::refusal("{}", 1001), "a news box takes 1 to 1000 messages, not 1001");
    EXPECT_NE(MessagesFile::refusal(std::string(1024 * 1024 + 1, 'x'), 1).find("at most 1048576 bytes"),
              std::string::npos);
}

// The file beside the host page, listed with the others; the script knows its name, the seconds and the file
// it was generated with, and comes before the light motion's, which takes its steps for the runtime's own.
TEST(LiveMessages, TheFileIsWrittenBesideTheBoxAndTheScriptKnowsIt)
{
    TemporaryFolder folder;
    ProjectRecord design = liveDesign();
    design.lightMotion = ProjectRecord::ticked;
    const LiveRun run = liveGenerated(design, folder);
    const std::string file = readBytes(run.folder + "box_messages.json");
    EXPECT_EQ(file, "{\"version\":1,\"messages\":[{\"title\":\"Say \\\"hi\\\"\",\"text\":\"a\\\\b\",\"link\":"
                    "\"http://x.example/\",\"target\":\"_parent\"}]}\n");
    EXPECT_EQ(Generator::generatedFilesText(design),
              "box_newstic.html\r\nbox_newsticie.js\r\nbox_newsticns6.js\r\nbox_messages.json");

    const std::string& script = run.texts.standardsScriptText;
    const std::string start =
        "var live_kind=0,live_every=45*1000,live_address=\"box_messages.json\",live_print=[" +
        std::to_string(MessagesFile::fingerprint(file)) + "," + std::to_string(file.size()) + "];";
    const auto live = script.find(start);
    ASSERT_NE(live, std::string::npos);
    EXPECT_EQ(script.find("window.onload=initte;"), live - std::string("window.onload=initte;").size());
    EXPECT_LT(live, script.find("var lm_step=dotrans"));
    EXPECT_EQ(script.find("\r\n", live), std::string::npos);
}

// The box name is the file's, whatever it holds: a runtime's token stays as typed, and what an address cannot
// hold is percent-encoded.
TEST(LiveMessages, TheScriptAsksForTheFileByTheBoxName)
{
    for (const auto& [name, address] : {std::pair{"tichvr6_", "tichvr6_messages.json"},
                                        {"caf\xC3\xA9 box_", "caf%C3%A9%20box_messages.json"},
                                        {"a'b\"c_", "a%27b%22c_messages.json"}}) {
        SCOPED_TRACE(name);
        ProjectRecord design = liveDesign();
        design.scrollerName = name;
        EXPECT_NE(LiveMessages::script(design).find("live_address=\"" + std::string(address) + "\","),
                  std::string::npos);
    }
}

TEST(LiveMessages, OnlyTheStandardsRuntimeChangesAndTheSecondsAreHeldToTheirRange)
{
    TemporaryFolder folder;
    ProjectRecord design = liveDesign();
    design.liveSeconds = 5;
    const LiveRun live = liveGenerated(design, folder);
    EXPECT_NE(live.texts.standardsScriptText.find("live_every=300*1000"), std::string::npos);

    TemporaryFolder plainFolder;
    design.liveMessages = ProjectRecord::unticked;
    const LiveRun plain = liveGenerated(design, plainFolder);
    EXPECT_EQ(live.texts.ieScriptText, plain.texts.ieScriptText);
    EXPECT_EQ(live.texts.hostPageText, plain.texts.hostPageText);
    EXPECT_EQ(plain.texts.standardsScriptText.find("live_"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(plain.folder + "box_messages.json"));
    EXPECT_EQ(Generator::generatedFilesText(design),
              "box_newstic.html\r\nbox_newsticie.js\r\nbox_newsticns6.js");
}
