#include "feed/Utf8Repair.h"

#include <gtest/gtest.h>

// The repair goes piece by piece, 64 KiB at a time; a character across the end of a piece stays whole.
TEST(Utf8Repair, MalformedBytesAreReplacedAndCharactersAcrossPiecesKept)
{
    const std::string a(65534, 'a');
    const std::pair<std::string, std::string> cases[] = {
        {"plain caf\u00E9 \U0001F600", "plain caf\u00E9 \U0001F600"},
        {"caf\xC3 \xFF end", "caf\uFFFD \uFFFD end"},
        {"\xED\xA0\x80", "\uFFFD\uFFFD\uFFFD"},
        {"\xC0\xAF", "\uFFFD\uFFFD"},
        {a + "\U0001F600\xFF", a + "\U0001F600\uFFFD"},
        {a + "\xF0\x9F\x98\x80\x80\x80\xFF", a + "\U0001F600\uFFFD\uFFFD\uFFFD"},
        {a + "a\x80\x80\x80\x80\x80" + "b", a + "a\uFFFD\uFFFD\uFFFD\uFFFD\uFFFDb"},
    };
    for (const auto& [bytes, expected] : cases)
        EXPECT_EQ(Utf8Repair::repaired(bytes), expected) << bytes.substr(0, 40);
}
