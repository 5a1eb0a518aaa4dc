#include "tests/support/ProjectFile.h"

#include <gtest/gtest.h>

// A project file written by hand in which every key holds a value of its own, so that a key read into
// the wrong field fails; the values are typed here again rather than taken from the key table.
TEST(AllKeys, EveryKeyOfAHandWrittenFileLandsInItsOwnField)
{
    const ProjectRecord r = readProjectFile(testData("project/all-keys.tkp"));

    EXPECT_EQ(r.width, "401");
    EXPECT_EQ(r.height, "402");
    EXPECT_EQ(r.scrollerName, "box03_");
    EXPECT_EQ(r.scrollMode, 4);
    EXPECT_EQ(r.textFontSize, "405");
    EXPECT_EQ(r.titleFontSize, "406");
    EXPECT_EQ(r.pause, "407");
    EXPECT_EQ(r.textLineHeight, "408");
    EXPECT_EQ(r.titleLineHeight, "409");
    EXPECT_EQ(r.textUseCustomFont, 10);
    EXPECT_EQ(r.textCustomFont, " Face 11, serif ");
    EXPECT_EQ(r.titleUseCustomFont, 12);
    EXPECT_EQ(r.titleCustomFont, "Face 13\r\nmono");
    EXPECT_EQ(r.bgImageX, "414");
    EXPECT_EQ(r.bgImageY, "415");
    EXPECT_EQ(r.borderWidth, "416");
    EXPECT_EQ(r.borderStyle, 17);
    EXPECT_EQ(r.textDecoration, 18);
    EXPECT_EQ(r.textHoverDecoration, 19);
    EXPECT_EQ(r.titleDecoration, 20);
    EXPECT_EQ(r.titleHoverDecoration, 21);
    EXPECT_EQ(r.bgImageOn, 22);
    EXPECT_EQ(r.bgImageName, "image23.png");
    EXPECT_EQ(r.paragraphSpace, "424");
    EXPECT_EQ(r.textFontIndex, 25);
    EXPECT_EQ(r.titleFontIndex, 26);
    EXPECT_EQ(r.borderColor, (RgbColor{127, 128, 129}));
    EXPECT_EQ(r.transitionSpeed, 28);
    EXPECT_EQ(r.effectType, 29);
    EXPECT_EQ(r.textStyle, 30);
    EXPECT_EQ(r.effectStyle, 31);
    EXPECT_EQ(r.titleStyle, 32);
    EXPECT_EQ(r.spareAlignment, 33);
    EXPECT_EQ(r.alignment, 34);
    EXPECT_EQ(r.scrollDelay, "435");
    EXPECT_EQ(r.topMargin, "436");
    EXPECT_EQ(r.leftMargin, "437");
    EXPECT_EQ(r.bottomMargin, "438");
    EXPECT_EQ(r.rightMargin, "439");
    EXPECT_EQ(r.bgColor, (RgbColor{140, 141, 142}));
    EXPECT_EQ(r.textColor, (RgbColor{143, 144, 145}));
    EXPECT_EQ(r.titleColor, (RgbColor{146, 147, 148}));
    EXPECT_EQ(r.titleBgColor, (RgbColor{149, 150, 151}));
    EXPECT_EQ(r.textHoverColor, (RgbColor{152, 153, 154}));
    EXPECT_EQ(r.titleHoverColor, (RgbColor{155, 156, 157}));
    ASSERT_EQ(r.messageCount(), 2);
    EXPECT_EQ(r.message(0),
              (Message{"Title 1", "Text 1<br>of the first message", "http://example.test/link1", "_top"}));
    EXPECT_EQ(r.message(1), (Message{"Title 2", "Text 2", "http://example.test/link2", "frame2"}));
    EXPECT_EQ(r.projectUntitled, 2);
}
