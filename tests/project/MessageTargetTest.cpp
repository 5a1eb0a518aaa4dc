#include "project/MessageTarget.h"

#include <gtest/gtest.h>

// The rule the message editors, the import dialog and the command line share.
TEST(MessageTarget, TrimmedAndSelfBecomesParent)
{
    const std::pair<std::string, std::string> cases[] = {
        {"_self", "_parent"},
        {" \t_self\r\n", "_parent"},
        // The spaces a text field trims, beyond ASCII: no-break, next line, ideographic.
        {"\u00A0_self\u0085", "_parent"},
        {"\u3000_self\u2029", "_parent"},
        {"_Self", "_Self"},
        {"_selfish", "_selfish"},
        {"  news frame ", "news frame"},
        {"\u00E9cran", "\u00E9cran"},
        {"", ""},
        {" \t ", ""},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(MessageTarget::byRule(typed), stored) << typed;
}
