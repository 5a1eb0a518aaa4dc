#include "project/FieldCharacters.h"

#include "project/Error.h"

#include <gtest/gtest.h>

// Written out by the rule: \r, \n and \t by name, the other controls below 128 as \xHH, the rest (next line,
// the C1 controls, the line and paragraph separators) as \uHHHH; JSON style \uhhhh for each. A byte of
// windows-1252 that is no UTF-8 (0x85, the ellipsis) stands for itself.
TEST(FieldCharacters, EveryCharacterThatBreaksALineIsWrittenAsAnEscape)
{
    const struct
    {
        std::string text;
        std::string c;
        std::string json;
    } cases[] = {
        {"plain caf\xC3\xA9 \\n", "plain caf\xC3\xA9 \\n", "plain caf\xC3\xA9 \\n"},
        {"a\r\nb\tc", "a\\r\\nb\\tc", "a\\u000d\\u000ab\\u0009c"},
        {std::string("\0\x01\x0B\x0C\x1B\x1F\x7F", 7), "\\x00\\x01\\x0B\\x0C\\x1B\\x1F\\x7F",
         "\\u0000\\u0001\\u000b\\u000c\\u001b\\u001f\\u007f"},
        {"\xC2\x80\xC2\x85\xC2\x9F\xC2\xA0", "\\u0080\\u0085\\u009F\xC2\xA0",
         "\\u0080\\u0085\\u009f\xC2\xA0"},
        {"a\xE2\x80\xA8z\xE2\x80\xA9", "a\\u2028z\\u2029", "a\\u2028z\\u2029"},
        {"Gru\xDF\x85 \x85", "Gru\xDF\x85 \x85", "Gru\xDF\x85 \x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldCharacters::escaped(c.text), c.c);
        EXPECT_EQ(FieldCharacters::escaped(c.text, FieldCharacters::Escapes::Json), c.json);
    }
    EXPECT_EQ(Error::quoted("a\xE2\x80\xA8"
                            "b\x1B"),
              "\"a\\u2028b\\x1B\"");
}

// The escapes that escaped() writes are found again, each with the character it stands for; a backslash
// before anything else is a backslash.
TEST(FieldCharacters, TheEscapesOfShowAreFoundAgain)
{
    const std::pair<std::string, std::optional<std::pair<std::string, char32_t>>> cases[] = {
        {"C:\\fonts\\a", std::nullopt},
        {"x\\x41\\u0041\\u00e9\\x85", std::nullopt},
        {"Arial\\nwidth", std::pair{"\\n", U'\n'}},
        {"a\\tb", std::pair{"\\t", U'\t'}},
        {"a\\x1Bb", std::pair{"\\x1B", char32_t{0x1B}}},
        {"a\\x7f", std::pair{"\\x7f", char32_t{0x7F}}},
        {"a\\u0085", std::pair{"\\u0085", char32_t{0x85}}},
        {"a\\u2029", std::pair{"\\u2029", char32_t{0x2029}}},
        {"end\\", std::nullopt},
    };
    for (const auto& [text, escape] : cases) {
        const auto found = FieldCharacters::firstEscape(text);
        ASSERT_EQ(found.has_value(), escape.has_value()) << text;
        if (found) {
            EXPECT_EQ(found->written, escape->first);
            EXPECT_EQ(found->character, escape->second);
        }
    }
}
