#include "generator/WordWidth.h"

#include <gtest/gtest.h>

namespace {

// Widths worked out by hand, in thousandths of the font size. The narrowest common advances: a 444, e 444,
// G 600, k 500, l 222, n 500, o 500, p 500, r 333, w 600, x 500, "." 250, "/" 278, "-" 333, "<" 564, and
// 222 for a Latin letter with an accent; "characteristics." takes 5858 in those and 6668 in Helvetica's,
// which only a list of faces that are all at least as wide as Arial gets.
TEST(WordWidth, TheWidestWordBreaksWhereABrowserMayBreakALineAndTakesItsFacesWidth)
{
    const struct
    {
        std::u32string text;
        const char* face;
        std::u32string word;
        double pixels; // at 10 pixels
    } cases[] = {
        {U"well-known", "Times New Roman", U"known", 26.00},
        {U"http://a.example/path", "serif", U"a.example/", 41.26},
        {U"Gr\u00f6\u00dfe", "Times New Roman", U"Gr\u00f6\u00dfe", 18.21},
        {U"1 < 2", "Times New Roman", U"<", 5.64},
        {U"\u65e5\u672c\u8a9e", "Times New Roman", U"", 0},
        {U"ab <b wwwwwwwwwwww", "Times New Roman", U"ab", 9.44},
        {U"characteristics.", "MS Sans Serif,arial,helvetica", U"characteristics.", 66.68},
        {U"characteristics.", " Verdana , 'Arial', sans-serif", U"characteristics.", 66.68},
        {U"characteristics.", "Tahoma,arial", U"characteristics.", 58.58},
        {U"characteristics.", "arial,serif", U"characteristics.", 58.58},
        {U"characteristics.", "", U"characteristics.", 58.58},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.face) + " " + std::to_string(c.pixels));
        const WordWidth::Word widest = WordWidth::widestIn(c.text, c.face, 10);
        EXPECT_TRUE(widest.text == c.word);
        EXPECT_NEAR(widest.pixels, c.pixels, 0.005);
    }
}

} // namespace
