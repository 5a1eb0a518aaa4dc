#include "tests/support/ProjectFile.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A project file written by hand in which every key holds a value of its own, so that a key read into
// the wrong field fails; the values are typed here again rather than taken from the key table.
TEST(AllKeys, EveryKeyOfAHandWrittenFileLandsInItsOwnField)
{
    const ProjectRecord r = readProjectFile(testData("project/all-keys.tkp"));

    // In file order: text settings hold 400 plus their line number, or a text naming the line.
    const std::vector<std::string> texts = {
        r.width,       r.height,         r.scrollerName,    r.textFontSize,   r.titleFontSize,
        r.pause,       r.textLineHeight, r.titleLineHeight, r.textCustomFont, r.titleCustomFont,
        r.bgImageX,    r.bgImageY,       r.borderWidth,     r.bgImageName,    r.paragraphSpace,
        r.scrollDelay, r.topMargin,      r.leftMargin,      r.bottomMargin,   r.rightMargin};
    const std::string onTwoLines = "Face 13\r\nmono";
    const std::vector<std::string> typedTexts = {
        "401",      "402", "box03_", "405", "406",         "407", "408", "409", " Face 11, serif ",
        onTwoLines, "414", "415",    "416", "image23.png", "424", "435", "436", "437",
        "438",      "439"};
    EXPECT_EQ(texts, typedTexts);

    // Integer settings hold their line number.
    const std::vector<int> integers = {r.scrollMode,         r.textUseCustomFont,
                                       r.titleUseCustomFont, r.borderStyle,
                                       r.textDecoration,     r.textHoverDecoration,
                                       r.titleDecoration,    r.titleHoverDecoration,
                                       r.bgImageOn,          r.textFontIndex,
                                       r.titleFontIndex,     r.transitionSpeed,
                                       r.effectType,         r.textStyle,
                                       r.effectStyle,        r.titleStyle,
                                       r.spareAlignment,     r.alignment};
    const std::vector<int> typedIntegers = {4,  10, 12, 17, 18, 19, 20, 21, 22,
                                            25, 26, 28, 29, 30, 31, 32, 33, 34};
    EXPECT_EQ(integers, typedIntegers);

    // The components of the colour lines count on from 127, in file order.
    const std::vector<RgbColor> colours = {r.borderColor,  r.bgColor,        r.textColor,      r.titleColor,
                                           r.titleBgColor, r.textHoverColor, r.titleHoverColor};
    const std::vector<RgbColor> typedColours = {{127, 128, 129}, {140, 141, 142}, {143, 144, 145},
                                                {146, 147, 148}, {149, 150, 151}, {152, 153, 154},
                                                {155, 156, 157}};
    EXPECT_EQ(colours, typedColours);

    ASSERT_EQ(r.messageCount(), 2);
    EXPECT_EQ(r.message(0),
              (Message{"Title 1", "Text 1<br>of the first message", "http://example.test/link1", "_top"}));
    EXPECT_EQ(r.message(1), (Message{"Title 2", "Text 2", "http://example.test/link2", "frame2"}));
    EXPECT_EQ(r.projectUntitled, 2);
}
