#include "project/MessageTarget.h"

#include <gtest/gtest.h>

// The rule the message editors, the import dialog and the command line share. HTML reads the keywords in
// any case, so they are one keyword in any case.
TEST(MessageTarget, TrimmedAndSelfBecomesParent)
{
    const std::pair<std::string, std::string> cases[] = {
        {"_self", "_parent"},
        {" \t_self\r\n", "_parent"},
        // The spaces a text field trims, beyond ASCII: no-break, next line, ideographic.
        {"\u00A0_self\u0085", "_parent"},
        {"\u3000_self\u2029", "_parent"},
        {"_Self", "_parent"},
        {" _SELF ", "_parent"},
        {"_BLANK", "_blank"},
        {"_Top", "_top"},
        {"_pArEnT", "_parent"},
        {"_selfish", "_selfish"},
        {"_Blanket", "_Blanket"},
        {"Main", "Main"},
        {"  news frame ", "news frame"},
        {"\u00E9cran", "\u00E9cran"},
        {"", ""},
        {" \t ", ""},
    };
    for (const auto& [typed, stored] : cases)
        EXPECT_EQ(MessageTarget::byRule(typed), stored) << typed;
}
