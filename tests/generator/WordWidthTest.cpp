#include "generator/WordWidth.h"

#include <gtest/gtest.h>

namespace {

// Widths worked out by hand from the narrowest advances: a 444, b 500, c 444, e 444, G 600, h 500, k 500,
// l 222, m 600, n 500, o 500, p 500, r 333, t 278, w 600, x 500, "." 250, "/" 278, ":" 278, "-" 333,
// "<" 564, and 222 for a Latin letter with an accent.
TEST(WordWidth, TheWidestWordBreaksWhereABrowserMayBreakALine)
{
    const struct
    {
        const char* name;
        std::u32string text;
        std::u32string word;
        double pixels; // at 10 pixels
    } cases[] = {
        {"spaces", U"a bb ccc", U"ccc", 13.32},
        {"after a hyphen", U"well-known", U"known", 26.00},
        {"after a slash", U"http://a.example/path", U"a.example/", 41.26},
        {"accented Latin letters", U"Gr\u00f6\u00dfe", U"Gr\u00f6\u00dfe", 18.21},
        {"a tag between letters", U"a<b class=\"wwwwwwww\">c", U"a", 4.44},
        {"an entity between letters", U"x&amp;x", U"x", 5.00},
        {"a lone less-than sign is a character", U"1 < 2", U"<", 5.64},
        {"letters of unknown width", U"\u65e5\u672c\u8a9e", U"", 0},
        {"a tag left open takes the rest", U"ab <b wwwwwwwwwwww", U"ab", 9.44},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WordWidth::Word widest = WordWidth::widestIn(c.text, "Times New Roman", 10);
        EXPECT_TRUE(widest.text == c.word);
        EXPECT_NEAR(widest.pixels, c.pixels, 0.005);
    }
}

// Only a list of faces that are all at least as wide as Arial gets Helvetica's advances; "characteristics."
// takes 6668 thousandths in those and 5858 in the narrowest.
TEST(WordWidth, AListOfArialLikeFacesIsAsWideAsHelvetica)
{
    const struct
    {
        const char* face;
        double pixels; // at 10 pixels
    } faces[] = {
        {"MS Sans Serif,arial,helvetica", 66.68},
        {" Verdana , 'Arial', sans-serif", 66.68},
        {"\"Microsoft Sans Serif\"", 66.68},
        {"Tahoma,arial", 58.58},
        {"arial,serif", 58.58},
        {"Courier New", 58.58},
        {"", 58.58},
    };
    for (const auto& f : faces) {
        SCOPED_TRACE(f.face);
        EXPECT_NEAR(WordWidth::least(U"characteristics.", f.face, 10), f.pixels, 0.005);
    }
}

} // namespace
