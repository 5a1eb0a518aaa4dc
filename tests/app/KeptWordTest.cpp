#include "app/CommandLineTool.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WideText.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct KeptRun
{
    int status;
    std::string err;
};

KeptRun runKept(const std::vector<std::string>& arguments)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = CommandLineTool(out, err).run(arguments);
    return {status, err.str()};
}

// OUT stands for the file written, FEED for a feed holding `feed`. What a command takes is written as the
// records named (worked out from the project file format); what it refuses exits with its status, says
// why and writes nothing.
struct Input
{
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> stored;
    std::string feed = {};
};

const std::vector<Input>& inputs()
{
    static const std::vector<Input> all{
        {{"set", "--to", "OUT", R"(messages=[{"title":"a\u0000b"}])"}, 2, {"NUL character (U+0000)"}},
        {{"set", "--to", "OUT", R"(messages=[{"text":"line\nbreak\u0000"}])"}, 2, {"NUL character"}},
        {{"set", "--to", "OUT", R"(messages=[{"link":"https://a.example/\u2028"}])"},
         2,
         {"line break (U+2028)"}},
        {{"set", "--to", "OUT", R"(messages=[{"target":"news\tframe"}])"}, 2, {"tab (U+0009)"}},
        {{"set", "--to", "OUT", R"(messages=[{"title":"one\r\ntwo"}])"}, 2, {"line break (U+000D)"}},
        {{"set", "--to", "OUT", "name=news\xC2\x85_"}, 2, {"name takes", "line break (U+0085)"}},
        {{"set", "--to", "OUT", "text-font-name=Arial\xE2\x80\xA9"}, 2, {"line break (U+2029)"}},
        {{"set", "--to", "OUT", "title-font-name=Arial\vserif"}, 2, {"line break (U+000B)"}},
        {{"set", "--to", "OUT", "text-font-name=Arial\fserif"}, 2, {"line break (U+000C)"}},
        {{"set", "--to", "OUT", "text-font-name=Arial\x1B"}, 2, {"control character (U+001B)"}},
        {{"set", "--to", "OUT", "text-font-name=Arial\\nwidth=999"},
         2,
         {"\"\\n\", which is how show writes"}},
        {{"set", "--to", "OUT", "background-image-file=sky\n.png"}, 2, {"line break (U+000A)"}},
        {{"set", "--to", "OUT", "name=news_qvo-width=box"}, 2, {"name holds \"qvo-width=\""}},
        {{"set", "--to", "OUT", R"(messages=[{"link":"qvo-tmessage2="},{}])"},
         2,
         {"the link of message 1 holds \"qvo-tmessage2=\""}},
        {{"set", "--to", "OUT", R"(messages=[{"link":"qvo-tmessage2="}])"},
         0,
         {"#%#qvo-linktext1=qvo-tmessage2=endof-qvo-linktext1#%#"}},
        {{"set", "--to", "OUT", R"(messages=[{"title":"a qvo-width= b"}])"},
         0,
         {"qvo-titletext1=a qv&#111;-width= bendof"}},
        {{"set", "--to", "OUT", R"(messages=[{"target":" _SELF "}])"}, 0, {"qvo-targettext1=_parentendof"}},
        {{"set", "--to", "OUT", "border-style=", "text-font-type="},
         0,
         {"qvo-border-typ=-1endof", "qvo-font-sira=-1endof"}},
        {{"set", "--to", "OUT", "background-image-file="}, 0, {"#>#qvo-bgimgname=endof-qvo-bgimgname#>#"}},
        {{"set", "--to", "OUT", "name=news/box"}, 0, {"qvo-nameoftext=news/boxendof"}},
        {{"set", "--to", "OUT", "background-color=rgb(300,-1,0)"},
         0,
         {"qvo-bgcolor_red=300endof", "qvo-bgcolor_green=-1endof", "qvo-bgcolor_blue=0endof"}},
        {{"import", "--from", "FEED", "--to", "OUT", "--target", " _SELF "},
         0,
         {"qvo-targettext1=_parentendof"},
         "title\nOne\n"},
        {{"import", "--from", "FEED", "--to", "OUT"},
         0,
         {"qvo-targettext1=_parentendof"},
         "title,target\nOne,_Self\n"},
        {{"import", "--from", "FEED", "--to", "OUT"},
         0,
         {"qvo-titletext1=Oneendof", "qvo-tmessage1=Firstendof"},
         widened("title,text\r\nOne,First\r\n", 2, false)},
        {{"import", "--from", "FEED", "--to", "OUT"},
         0,
         {"qvo-titletext1=Oneendof"},
         widened("{\"version\":\"https://jsonfeed.org/version/"
                 "1.1\",\"items\":[{\"id\":\"1\",\"title\":\"One\"}]}",
                 2, true)},
        {{"import", "--from", "FEED", "--to", "OUT"},
         0,
         {"qvo-linktext1=https://a.example/%E2%80%A8%C2%85endof", "qvo-targettext1=_blankendof"},
         "title,link,target\nOne,https://a.example/\u2028\u0085,news\u2029frame\n"},
        {{"import", "--from", "FEED", "--to", "OUT"}, 3, {"UTF-32LE"}, widened("title\nOne\n", 4, false)},
        {{"import", "--from", "FEED", "--to", "OUT"},
         3,
         {"line 2, column 4", "NUL"},
         std::string("title\nOne\0\n", 11)},
        {{"save", "--to", "OUT", "--project="}, 2, {"'--project' needs a file name"}},
        {{"set", "--to", "", "width=1"}, 2, {"'--to' needs a file name"}},
    };
    return all;
}

} // namespace

// Every command keeps its word on every input: what it takes reads back as it was given, and what it
// refuses leaves nothing behind.
TEST(KeptWord, EachInputIsStoredAsGivenOrRefusedWithNothingWritten)
{
    TemporaryFolder folder;
    const std::string out = folder.file("out.tkp");
    const std::string feed = folder.file("feed");
    for (const Input& input : inputs()) {
        std::vector<std::string> arguments = input.arguments;
        for (std::string& argument : arguments)
            argument = argument == "OUT" ? out : argument == "FEED" ? feed : argument;
        SCOPED_TRACE(arguments.back());
        std::filesystem::remove(out);
        writeBytes(feed, input.feed);
        const KeptRun run = runKept(arguments);
        EXPECT_EQ(run.status, input.status) << run.err;
        const std::string written = input.status == 0 ? readBytes(out) : run.err;
        for (const std::string& part : input.stored)
            EXPECT_NE(written.find(part), std::string::npos) << part << " in " << written;
        if (input.status != 0) {
            EXPECT_FALSE(std::filesystem::exists(out));
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), input.status == 2 ? 2 : 1) << run.err;
        }
    }
}
