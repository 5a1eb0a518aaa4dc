#include "generator/Generator.h"
#include "generator/LinkCode.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/DesignFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace {

std::string fixture(const std::string& name)
{
    return readBytes(std::string(MARQUETTO_TEST_DATA) + "/generator/" + name);
}

std::size_t occurrences(const std::string& text, const std::string& part)
{
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

ProjectRecord designIn(const TemporaryFolder& folder)
{
    ProjectRecord record = defaultDesign();
    record.textFontFace = record.textCustomFont;
    record.titleFontFace = record.titleCustomFont;
    record.workFolder = folder.path() + "/";
    return record;
}

} // namespace

TEST(GenerationRun, TheDefaultDesignGivesTheHandWrittenTextsAndFiles)
{
    TemporaryFolder folder;
    const ProjectRecord record = designIn(folder);
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());

    EXPECT_EQ(texts.embedSnippet, fixture("default-snippet.txt"));
    EXPECT_EQ(texts.hostPageText, fixture("default-host-page.html"));
    EXPECT_EQ(texts.messageDataScript, fixture("default-data-script.js"));
    EXPECT_EQ(LinkCode::linkClickCode(), fixture("link-code.js"));
    EXPECT_EQ(readBytes(folder.file("preview.html")), fixture("default-preview.html"));
    EXPECT_EQ(readBytes(folder.file("scroller_newstic.html")), fixture("default-host-page.html"));
    for (const char* script : {"scroller_newsticns6.js", "scroller_newsticie.js"}) {
        const std::string written = readBytes(folder.file(script));
        EXPECT_EQ(written.substr(0, written.find("\r\n", written.find("var mc=")) + 4),
                  fixture("default-data-script.js") + "\r\n")
            << script;
        EXPECT_EQ(occurrences(written, fixture("link-code.js")), 1u) << script;
    }
    EXPECT_EQ(Generator::generatedFilesText(record), fixture("default-file-list.txt"));
}

TEST(GenerationRun, EachScriptIsTheDataScriptThenOneLineOfRuntimeWithTheLinkCodeOnce)
{
    TemporaryFolder folder;
    for (int style : {0, 1}) {
        for (int mode : {0, 1, 2}) {
            ProjectRecord record = designIn(folder);
            record.effectStyle = style;
            record.scrollMode = mode;
            GeneratedTexts texts;
            ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());
            for (const std::string* script : {&texts.standardsScriptText, &texts.ieScriptText}) {
                SCOPED_TRACE("style " + std::to_string(style) + " mode " + std::to_string(mode));
                const std::string head = fixture("default-data-script.js") + "\r\n";
                ASSERT_EQ(script->substr(0, head.size()), head);
                const std::string runtime = script->substr(head.size());
                EXPECT_EQ(occurrences(runtime, LinkCode::linkClickCode()), 1u);
                EXPECT_EQ(runtime.find("//buildergenlink"), std::string::npos);
                EXPECT_EQ(runtime.find('\t'), std::string::npos);
                // The only line break left is the one inside the link code.
                EXPECT_EQ(occurrences(runtime, "\r\n"), 1u);
                EXPECT_EQ(runtime.substr(runtime.size() - 21), "window.onload=initte;");
            }
        }
    }
}

TEST(GenerationRun, RunningTwiceRewritesIdenticalFilesAndANewNameAddsASecondSet)
{
    TemporaryFolder folder;
    ProjectRecord record = designIn(folder);
    GeneratedTexts first;
    ASSERT_TRUE(Generator::GenerateOutputs(record, first).ok());
    const std::string script = readBytes(folder.file("scroller_newsticie.js"));
    GeneratedTexts second;
    ASSERT_TRUE(Generator::GenerateOutputs(record, second).ok());
    EXPECT_EQ(readBytes(folder.file("scroller_newsticie.js")), script);

    record.scrollerName = "";
    ASSERT_TRUE(Generator::GenerateOutputs(record, second).ok());
    for (const char* name : {"newstic.html", "newsticie.js", "newsticns6.js", "scroller_newstic.html"})
        EXPECT_TRUE(std::filesystem::exists(folder.file(name))) << name;
}

TEST(GenerationRun, AnUnwritableFolderStopsAtTheFirstFileAndNamesIt)
{
    TemporaryFolder folder;
    ProjectRecord record = designIn(folder);
    record.workFolder = folder.file("missing") + "/";
    GeneratedTexts texts;
    const auto result = Generator::GenerateOutputs(record, texts);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().path(), record.workFolder + "preview.html");
}

TEST(GenerationRun, ANameWithAPathSeparatorIsRefusedBeforeAnyFileIsWritten)
{
    for (const std::string name : {"../escape_", "sub/box_", "back\\slash_"}) {
        TemporaryFolder folder;
        std::filesystem::create_directory(folder.file("sub"));
        ProjectRecord record = designIn(folder);
        record.scrollerName = name;
        GeneratedTexts texts;
        const auto result = Generator::GenerateOutputs(record, texts);
        ASSERT_FALSE(result.ok()) << name;
        EXPECT_EQ(result.error().path(), record.workFolder + name + "newstic.html");
        EXPECT_NE(result.error().message().find(name), std::string::npos);
        EXPECT_FALSE(std::filesystem::exists(folder.file("preview.html")));
        EXPECT_FALSE(std::filesystem::exists(folder.file("sub/box_newstic.html")));
        EXPECT_FALSE(std::filesystem::exists(folder.path() + "/../escape_newstic.html"));
    }
}

// A folder of the usual kind holds names of up to 255 bytes; the longest box file adds 13 to the box name.
TEST(GenerationRun, ABoxNameTooLongForTheFolderIsRefusedBeforeAnyFileIsWritten)
{
    TemporaryFolder folder;
    ASSERT_EQ(Generator::fileNameLimit(folder.path()), 255);
    ProjectRecord record = designIn(folder);
    record.scrollerName = std::string(243, 'n');
    GeneratedTexts texts;
    const auto refused = Generator::GenerateOutputs(record, texts);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().path(), record.workFolder + std::string(243, 'n') + "newsticns6.js");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    record.scrollerName = std::string(242, 'n');
    ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());
    EXPECT_TRUE(std::filesystem::exists(folder.file(std::string(242, 'n') + "newsticns6.js")));
}

TEST(GenerationRun, BrokenInputGivesScriptsThatShowWhatWasTyped)
{
    TemporaryFolder folder;
    // The default design with a windows-1252 name, backslashes and escaped quotes in the first message, a
    // quoted font family, leading zeros and an image name with blanks and brackets.
    const ProjectRecord record =
        designToGenerate(testData("generator/broken-input.tkp"), folder.path() + "/");
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());

    const std::string standards = readBytes(folder.file("caf\xc3\xa9_newsticns6.js"));
    const std::string ie = readBytes(folder.file("caf\xc3\xa9_newsticie.js"));
    for (const std::string* script : {&standards, &ie}) {
        EXPECT_EQ(
            occurrences(*script, "titlea[0] = \"Say \\\\\\\"hi\\\\\\\" now\";texta[0] = \"C:\\\\xampp\";"),
            1u);
        EXPECT_EQ(occurrences(*script, "FONT-FAMILY: 'Times New Roman', serif;"), 1u);
        EXPECT_EQ(occurrences(*script, "dotrans,2000+40);"), 1u);
        EXPECT_EQ(occurrences(*script, "tmpv=180-8-10-"), 1u);
    }
    const std::string host = readBytes(folder.file("caf\xc3\xa9_newstic.html"));
    EXPECT_EQ(occurrences(host, ";width:180; height:215;"), 1u);
    EXPECT_EQ(occurrences(host, "background-image: url(my%20sky%20%281%29.jpg);"), 1u);
    EXPECT_EQ(occurrences(host, "sr\"+\"c=\\\"caf%C3%A9_newsticie.js\\\""), 1u);
    EXPECT_EQ(occurrences(host, "sr\"+\"c=\\\"caf%C3%A9_newsticns6.js\\\""), 1u);
    const std::string snippet =
        "<iframe width=\"180\" height=\"215\" src=\"caf%C3%A9_newstic.html\" SCROLLING=\"no\" "
        "FRAMEBORDER=\"0\" border=0></iframe>";
    EXPECT_EQ(texts.embedSnippet, snippet);
    EXPECT_EQ(occurrences(readBytes(folder.file("preview.html")), "<center>\r\n" + snippet + "\r\n</center>"),
              1u);
    EXPECT_EQ(record.pause, "02") << "the design keeps the text as typed";
}

TEST(GenerationRun, AValueHoldingAPlaceholderIsRefusedBeforeAnythingIsWritten)
{
    const std::vector<std::pair<std::function<void(ProjectRecord&)>, std::string>> cases = {
        {[](ProjectRecord& r) { r.leftMargin = "psleftvr1psleftvr1"; },
         "Step 2, Left margin: holds \"psleftvr1\""},
        {[](ProjectRecord& r) { r.titleFontFace = "x textfontfamily_vr22"; },
         "Step 3, Title font: holds \"textfontfamily_vr22\""},
        {[](ProjectRecord& r) { r.pause = "1hangipixeldepause"; },
         "Step 4, Pause: holds \"hangipixeldepause\""},
        {[](ProjectRecord& r) { r.textFontFace = "window.onload=initte;"; },
         "Step 3, Text font: holds \"window.onload=initte;\""},
    };
    for (const auto& [change, message] : cases) {
        TemporaryFolder folder;
        ProjectRecord record = designIn(folder);
        change(record);
        GeneratedTexts texts;
        const auto result = Generator::GenerateOutputs(record, texts);
        ASSERT_FALSE(result.ok()) << message;
        EXPECT_EQ(result.error().code(), Error::DesignRefused);
        EXPECT_EQ(result.error().message().rfind(message, 0), 0u) << result.error().message();
        EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << message;
    }
    TemporaryFolder folder;
    ProjectRecord record = designIn(folder);
    record.replaceMessage(0, {"psleftvr1", "ticwvr5", "http://a.example/tichvr6", "_top"});
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok()) << "messages are never substituted";
    EXPECT_EQ(occurrences(readBytes(folder.file("scroller_newsticie.js")), "titlea[0] = \"psleftvr1\";"), 1u);
}
