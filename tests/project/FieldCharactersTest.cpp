#include "project/FieldCharacters.h"

#include "project/Error.h"

#include <gtest/gtest.h>

// Written out by the rule: \r, \n and \t by name, the other controls below 128 as \xHH, the rest (next line,
// the C1 controls, the line and paragraph separators) as \uHHHH; JSON style \uhhhh for each. A byte of
// windows-1252 that is no UTF-8 (0x85, the ellipsis) stands for itself. The escapes are found again, and a
// backslash before anything else is a backslash.
TEST(FieldCharacters, EveryCharacterThatBreaksALineIsWrittenAsAnEscapeAndFoundAgain)
{
    const struct
    {
        std::string text;
        std::string c;
        std::string json;
    } cases[] = {
        {"plain caf\xC3\xA9 C:\\x41\\u00e9\\x85\\", "plain caf\xC3\xA9 C:\\x41\\u00e9\\x85\\",
         "plain caf\xC3\xA9 C:\\x41\\u00e9\\x85\\"},
        {"a\r\nb\tc", "a\\r\\nb\\tc", "a\\u000d\\u000ab\\u0009c"},
        {std::string("\0\x0B\x1F\x7F", 4), "\\x00\\x0B\\x1F\\x7F", "\\u0000\\u000b\\u001f\\u007f"},
        {"\xC2\x85\xC2\x9F\xC2\xA0\xE2\x80\xA8", "\\u0085\\u009F\xC2\xA0\\u2028",
         "\\u0085\\u009f\xC2\xA0\\u2028"},
        {"Gru\xDF\x85 \x85", "Gru\xDF\x85 \x85", "Gru\xDF\x85 \x85"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FieldCharacters::escaped(c.text), c.c);
        EXPECT_EQ(FieldCharacters::escaped(c.text, FieldCharacters::Escapes::Json), c.json);
        const auto escape = FieldCharacters::firstEscape(c.c);
        const auto character = FieldCharacters::firstRefusedInUtf8(c.text, true);
        ASSERT_EQ(escape.has_value(), character.has_value()) << c.c;
        if (escape) {
            EXPECT_EQ(escape->character, character->character) << c.c;
        }
    }
    EXPECT_EQ(Error::quoted("a\xE2\x80\xA8"
                            "b\x1B"),
              "\"a\\u2028b\\x1B\"");
}
