#include "generator/Generator.h"
#include "generator/LinkCode.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <filesystem>
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
    ASSERT_FALSE(Generator::GenerateOutputs(record, texts));

    EXPECT_EQ(texts.embedSnippet, fixture("default-snippet.txt"));
    EXPECT_EQ(texts.hostPageText, fixture("default-host-page.html"));
    EXPECT_EQ(texts.messageDataScript, fixture("default-data-script.js"));
    EXPECT_EQ(LinkCode::linkClickCode(), fixture("link-code.js"));
    EXPECT_EQ(readBytes(folder.file("preview.html")), fixture("default-preview.html"));
    EXPECT_EQ(readBytes(folder.file("scroller_newstic.html")), fixture("default-host-page.html"));
    EXPECT_EQ(readBytes(folder.file("scroller_newsticns6.js")), texts.standardsScriptText);
    EXPECT_EQ(readBytes(folder.file("scroller_newsticie.js")), texts.ieScriptText);
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
            ASSERT_FALSE(Generator::GenerateOutputs(record, texts));
            for (const std::string* script : {&texts.standardsScriptText, &texts.ieScriptText}) {
                SCOPED_TRACE("style " + std::to_string(style) + " mode " + std::to_string(mode));
                const std::string head = texts.messageDataScript + "\r\n";
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
    ASSERT_FALSE(Generator::GenerateOutputs(record, first));
    const std::string script = readBytes(folder.file("scroller_newsticie.js"));
    GeneratedTexts second;
    ASSERT_FALSE(Generator::GenerateOutputs(record, second));
    EXPECT_EQ(readBytes(folder.file("scroller_newsticie.js")), script);

    record.scrollerName = "";
    ASSERT_FALSE(Generator::GenerateOutputs(record, second));
    for (const char* name : {"newstic.html", "newsticie.js", "newsticns6.js", "scroller_newstic.html"})
        EXPECT_TRUE(std::filesystem::exists(folder.file(name))) << name;
}

TEST(GenerationRun, AnUnwritableFolderStopsAtTheFirstFileAndNamesIt)
{
    TemporaryFolder folder;
    ProjectRecord record = designIn(folder);
    record.workFolder = folder.file("missing") + "/";
    GeneratedTexts texts;
    const auto error = Generator::GenerateOutputs(record, texts);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path(), record.workFolder + "preview.html");
}

TEST(GenerationRun, ANameWithAPathSeparatorWritesThePreviewThenStopsAtTheHostPage)
{
    for (const std::string name : {"../escape_", "sub/box_", "back\\slash_"}) {
        TemporaryFolder folder;
        std::filesystem::create_directory(folder.file("sub"));
        ProjectRecord record = designIn(folder);
        record.scrollerName = name;
        GeneratedTexts texts;
        const auto error = Generator::GenerateOutputs(record, texts);
        ASSERT_TRUE(error) << name;
        EXPECT_EQ(error->path(), record.workFolder + name + "newstic.html");
        EXPECT_NE(error->message().find(name), std::string::npos);
        EXPECT_TRUE(std::filesystem::exists(folder.file("preview.html")));
        EXPECT_FALSE(std::filesystem::exists(folder.file("sub/box_newstic.html")));
        EXPECT_FALSE(std::filesystem::exists(folder.path() + "/../escape_newstic.html"));
    }
}
