#include "generator/Generator.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

// A design in which no two values are alike, so that a value put in the place of another changes the
// output; the expected files were worked out by hand (see tests/data/generator/asymmetric/NOTES.md).
namespace {

std::string expected(const std::string& name)
{
    return readBytes(std::string(MARQUETTO_TEST_DATA) + "/generator/asymmetric/" + name);
}

ProjectRecord asymmetricDesign(const TemporaryFolder& folder)
{
    ProjectRecord r;
    r.width = "317";
    r.height = "229";
    r.topMargin = "6";
    r.leftMargin = "11";
    r.bottomMargin = "14";
    r.rightMargin = "3";
    r.paragraphSpace = "7";
    r.scrollerName = "asym_";
    r.textFontFace = "Georgia, serif";
    r.titleFontFace = "Courier New, monospace";
    r.textFontSize = "10";
    r.titleFontSize = "13";
    r.textLineHeight = "15";
    r.titleLineHeight = "19";
    r.textStyle = 2;
    r.titleStyle = 1;
    r.textDecoration = 1;
    r.textHoverDecoration = 0;
    r.titleDecoration = 0;
    r.titleHoverDecoration = 1;
    r.alignment = 2;
    r.bgColor = {250, 240, 230};
    r.textColor = {17, 34, 51};
    r.titleColor = {68, 85, 102};
    r.textHoverColor = {119, 0, 136};
    r.titleHoverColor = {153, 170, 0};
    r.borderColor = {204, 0, 17};
    r.borderWidth = "2";
    r.borderStyle = 2;
    r.bgImageOn = 1;
    r.bgImageName = "asym-bg.png";
    r.bgImageX = "21";
    r.bgImageY = "9";
    r.effectStyle = 0;
    r.effectType = 4;
    r.transitionSpeed = 3;
    r.scrollMode = 0;
    r.scrollDelay = "41";
    r.pause = "5";
    r.appendMessage({"First title", "Body one<br>second line", "http://example.test/one", "_blank"});
    r.appendMessage({"Second", "Body two", "", ""});
    r.workFolder = folder.path() + "/";
    return r;
}

} // namespace

TEST(AsymmetricDesign, EveryGeneratedFileIsTheOneWorkedOutByHand)
{
    TemporaryFolder folder;
    GeneratedTexts texts;
    ASSERT_TRUE(Generator::GenerateOutputs(asymmetricDesign(folder), texts).ok());

    EXPECT_EQ(texts.embedSnippet, expected("snippet.txt"));
    EXPECT_EQ(readBytes(folder.file("preview.html")), expected("preview.html"));
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
