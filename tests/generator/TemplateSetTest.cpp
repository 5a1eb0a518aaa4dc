#include "generator/BuiltInTexts.h"
#include "generator/ScriptTemplates.h"
#include "tests/support/TemplateTokens.h"

#include <gtest/gtest.h>
#include <set>

namespace {

struct Template
{
    const char* name;
    std::string_view text;
};

const std::vector<Template>& allTemplates()
{
    static const std::vector<Template> all = {
        {"faderIE", BuiltInTexts::faderIE()},
        {"faderStd", BuiltInTexts::faderStd()},
        {"waitScrollerIE", BuiltInTexts::waitScrollerIE()},
        {"waitScrollerStd", BuiltInTexts::waitScrollerStd()},
        {"pageScrollerIE", BuiltInTexts::pageScrollerIE()},
        {"pageScrollerStd", BuiltInTexts::pageScrollerStd()},
        {"continuousScrollerIE", BuiltInTexts::continuousScrollerIE()},
        {"continuousScrollerStd", BuiltInTexts::continuousScrollerStd()},
    };
    return all;
}

} // namespace

TEST(TemplateSet, EachTemplateHoldsExactlyItsTokens)
{
    for (const auto& [token, holders] : templateTokenHolders()) {
        for (const Template& t : allTemplates()) {
            const bool present = t.text.find(token) != std::string_view::npos;
            EXPECT_EQ(present, holders.count(t.name) == 1)
                << t.name << (present ? " holds " : " lacks ") << token;
        }
    }
}

TEST(TemplateSet, EachTemplateHasTheLinkMarkerAsButclickBodyAndEndsWithTheOnloadStatement)
{
    for (const Template& t : allTemplates()) {
        SCOPED_TRACE(t.name);
        const auto marker = t.text.find("//buildergenlink");
        ASSERT_NE(marker, std::string_view::npos);
        EXPECT_EQ(t.text.find("//"), marker) << "a comment before the link marker";
        EXPECT_EQ(t.text.find("//", marker + 2), std::string_view::npos) << "a comment after the link marker";
        const auto butclick = t.text.find("function butclick(gnum3)");
        ASSERT_NE(butclick, std::string_view::npos);
        const auto open = t.text.find('{', butclick);
        const auto close = t.text.find('}', marker);
        std::string body(t.text.substr(open + 1, close - open - 1));
        std::erase_if(body, [](char c) { return c == '\r' || c == '\n' || c == '\t'; });
        EXPECT_EQ(body, "//buildergenlink");
        const auto end = t.text.find_last_not_of("\r\n");
        EXPECT_EQ(t.text.substr(0, end + 1).substr(end + 1 - 21), "window.onload=initte;");
        EXPECT_EQ(t.text.find("/*"), std::string_view::npos) << "a block comment";
    }
}

TEST(TemplateSet, ChooseTemplateFollowsStyleAndMode)
{
    using S = ScriptTemplates;
    EXPECT_EQ(S::ChooseTemplate(Flavour::IE, 1, 0), BuiltInTexts::faderIE());
    EXPECT_EQ(S::ChooseTemplate(Flavour::Standards, -1, 2), BuiltInTexts::faderStd());
    EXPECT_EQ(S::ChooseTemplate(Flavour::IE, 0, 0), BuiltInTexts::waitScrollerIE());
    EXPECT_EQ(S::ChooseTemplate(Flavour::Standards, 0, 1), BuiltInTexts::pageScrollerStd());
    EXPECT_EQ(S::ChooseTemplate(Flavour::Standards, 0, 2), BuiltInTexts::continuousScrollerStd());
    EXPECT_EQ(S::ChooseTemplate(Flavour::IE, 0, 5), BuiltInTexts::continuousScrollerIE());
    EXPECT_EQ(S::ChooseTemplate(Flavour::IE, 0, -1), BuiltInTexts::continuousScrollerIE());
    std::set<std::string_view> distinct;
    for (const Template& t : allTemplates())
        distinct.insert(t.text);
    EXPECT_EQ(distinct.size(), 8u) << "two templates share one text";
}
