#include "generator/ScriptEscape.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase
{
    std::u32string text; // a backslash first
    std::optional<char32_t> character;
    std::size_t length; // 0: the browser refuses the literal
};

} // namespace

// What each escape stands for, from the ECMAScript grammar of string literals in sloppy mode; the escapes
// that spell a quote are in the design check's table of links.
TEST(ScriptEscape, EachEscapeStandsForItsCharacterAndTakesItsLength)
{
    const std::vector<EscapeCase> cases = {
        {U"\\u{0000027}x", U'\'', 10},
        {U"\\0477", U'\'', 3},
        {U"\\477", U'\'', 2},
        {U"\\08", U'\0', 1},
        {U"\\8", U'8', 1},
        {U"\\q", U'q', 1},
        {U"\\u{10FFFF}", 0x10FFFF, 9},
        {U"\\\n", std::nullopt, 1},
        {U"\\\r\n", std::nullopt, 2},
        {U"\\\u2028", std::nullopt, 1},
        {U"\\x4", std::nullopt, 0},
        {U"\\u{}", std::nullopt, 0},
        {U"\\u12G4", std::nullopt, 0},
        {U"\\", std::nullopt, 0},
    };
    for (const EscapeCase& c : cases) {
        const auto escape = ScriptEscape::at(c.text, 0);
        SCOPED_TRACE(testing::PrintToString(std::string(c.text.begin() + 1, c.text.end())));
        ASSERT_EQ(escape.has_value(), c.length > 0);
        if (escape) {
            EXPECT_EQ(escape->character, c.character);
            EXPECT_EQ(escape->length, c.length);
        }
    }
}

TEST(ScriptEscape, AQuoteOrALineBreakEndsTheLiteralUnlessEscaped)
{
    using End = ScriptEscape::End;
    const auto ends = [](std::u32string_view body) {
        std::vector<std::pair<std::size_t, End>> found;
        for (const ScriptEscape::Ending& e : ScriptEscape::endings(body, U'\''))
            found.emplace_back(e.at, e.how);
        return found;
    };
    using Found = std::vector<std::pair<std::size_t, End>>;
    EXPECT_EQ(ends(U"a\\'b\\\\\nc'"), (Found{{6, End::LineBreak}, {8, End::Quote}}));
    EXPECT_EQ(ends(U"\"x\\\u2028y\u2029'"), (Found{{5, End::OldLineBreak}, {6, End::Quote}}));
    EXPECT_EQ(ends(U"a\\x27\\\r\nb\\"), Found{});
}
