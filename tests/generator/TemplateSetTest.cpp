#include "generator/BuiltInTexts.h"
#include "generator/ScriptTemplates.h"

#include <gtest/gtest.h>
#include <map>
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

// Which templates hold each token, written out from the token table of the template set.
std::map<std::string, std::set<std::string>> expectedTokens()
{
    const std::set<std::string> all = {
        "faderIE",        "faderStd",        "waitScrollerIE",       "waitScrollerStd",
        "pageScrollerIE", "pageScrollerStd", "continuousScrollerIE", "continuousScrollerStd"};
    const std::set<std::string> waitAndContinuous = {"waitScrollerIE", "waitScrollerStd",
                                                     "continuousScrollerIE", "continuousScrollerStd"};
    std::map<std::string, std::set<std::string>> table = {
        {"psbottomvr4", {"faderIE", "faderStd"}},
        {"borderwvr7", {"faderStd", "waitScrollerStd", "pageScrollerStd", "continuousScrollerStd"}},
        {"disborderw", {"faderIE", "faderStd", "waitScrollerIE", "pageScrollerIE", "continuousScrollerIE"}},
        {"prgspacevr8",
         {"faderIE", "faderStd", "waitScrollerIE", "waitScrollerStd", "continuousScrollerIE",
          "continuousScrollerStd"}},
        {"scrdelayinms",
         {"waitScrollerIE", "waitScrollerStd", "pageScrollerIE", "pageScrollerStd", "continuousScrollerIE",
          "continuousScrollerStd"}},
        {"pausetime_vr24",
         {"faderIE", "faderStd", "waitScrollerStd", "pageScrollerIE", "pageScrollerStd",
          "continuousScrollerStd"}},
        {"pauseietime_vr24", {"waitScrollerIE", "continuousScrollerIE"}},
        {"bgcolorstrvr9", {}},
    };
    for (const char* token : {"psleftvr1",
                              "psrightvr2",
                              "pstopvr3",
                              "ticwvr5",
                              "tichvr6",
                              "font_sizevr10",
                              "titlefont_sizevr13",
                              "txtcolorvr11",
                              "titlecolorvr12",
                              "textstyle_vr14",
                              "titlestyle_vr15",
                              "fontweight_vr16",
                              "titleweight_vr17",
                              "textlineheight_vr18",
                              "titlelineheight_vr19",
                              "textovercolor_vr20",
                              "titleovercolor_vr21",
                              "textfontfamily_vr22",
                              "titlefontfamily_vr23",
                              "textalign_vr25"})
        table[token] = all;
    for (const char* token :
         {"hangipixeldepause", "txttxtdectut", "tittxtdectut", "handletxtdeccode1", "handletxtdeccode2"})
        table[token] = waitAndContinuous;
    return table;
}

} // namespace

TEST(TemplateSet, EachTemplateHoldsExactlyItsTokens)
{
    for (const auto& [token, holders] : expectedTokens()) {
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
