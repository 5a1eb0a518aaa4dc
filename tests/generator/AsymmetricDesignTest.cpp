#include "generator/Generator.h"
#include "tests/support/DesignFile.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

// A design in which no two values are alike, so that a value put in the place of another changes the
// output; the expected files were worked out by hand (see tests/data/generator/asymmetric/NOTES.md).
namespace {

std::string expected(const std::string& name)
{
    return readBytes(testData("generator/asymmetric/" + name));
}

// The preview page is the default design's page with this design's snippet in the place of its own.
std::string previewPageAround(const std::string& snippet)
{
    std::string page = readBytes(testData("generator/default-preview.html"));
    const std::string defaultSnippet = readBytes(testData("generator/default-snippet.txt"));
    return page.replace(page.find(defaultSnippet), defaultSnippet.size(), snippet);
}

ProjectRecord asymmetricDesign(const TemporaryFolder& folder)
{
    return designToGenerate(testData("generator/asymmetric/design.tkp"), folder.path() + "/");
}

} // namespace

TEST(AsymmetricDesign, EveryGeneratedFileIsTheOneWorkedOutByHand)
{
    TemporaryFolder folder;
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(asymmetricDesign(folder), texts).ok());

    EXPECT_EQ(texts.embedSnippet, expected("snippet.txt"));
    EXPECT_EQ(readBytes(folder.file("preview.html")), previewPageAround(expected("snippet.txt")));
    EXPECT_EQ(readBytes(folder.file("asym_newstic.html")), expected("host-page.html"));
    EXPECT_EQ(readBytes(folder.file("asym_newsticns6.js")), expected("standards-script.js"));
    EXPECT_EQ(readBytes(folder.file("asym_newsticie.js")), expected("ie-script.js"));
}

TEST(AsymmetricDesign, AsAFaderEveryGeneratedFileIsTheOneWorkedOutByHand)
{
    TemporaryFolder folder;
    ProjectRecord record = asymmetricDesign(folder);
    record.effectStyle = 1;
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(record, texts).ok());

    EXPECT_EQ(readBytes(folder.file("asym_newstic.html")), expected("fader-host-page.html"));
    EXPECT_EQ(readBytes(folder.file("asym_newsticns6.js")), expected("fader-standards-script.js"));
    EXPECT_EQ(readBytes(folder.file("asym_newsticie.js")), expected("fader-ie-script.js"));
}
