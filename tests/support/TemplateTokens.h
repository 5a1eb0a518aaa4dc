#pragma once

#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>

// Which of the eight templates hold each placeholder token, written out by hand from the token table of
// the template set rather than taken from the generator's own list, so that a token the generator forgets
// to fill shows in the filled scripts.
inline std::set<std::string> templateNames(const std::string& spaced)
{
    std::istringstream words(spaced);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

inline const std::map<std::string, std::set<std::string>>& templateTokenHolders()
{
    static const auto table = [] {
        const auto all = templateNames("faderIE faderStd waitScrollerIE waitScrollerStd pageScrollerIE "
                                       "pageScrollerStd continuousScrollerIE continuousScrollerStd");
        const auto waitAndContinuous =
            templateNames("waitScrollerIE waitScrollerStd continuousScrollerIE continuousScrollerStd");
        std::map<std::string, std::set<std::string>> holders = {
            {"psbottomvr4", templateNames("faderIE faderStd")},
            {"borderwvr7", templateNames("faderStd waitScrollerStd pageScrollerStd continuousScrollerStd")},
            {"disborderw",
             templateNames("faderIE faderStd waitScrollerIE pageScrollerIE continuousScrollerIE")},
            {"prgspacevr8", templateNames("faderIE faderStd waitScrollerIE waitScrollerStd "
                                          "continuousScrollerIE continuousScrollerStd")},
            {"scrdelayinms", templateNames("waitScrollerIE waitScrollerStd pageScrollerIE pageScrollerStd "
                                           "continuousScrollerIE continuousScrollerStd")},
            {"pausetime_vr24", templateNames("faderIE faderStd waitScrollerStd pageScrollerIE "
                                             "pageScrollerStd continuousScrollerStd")},
            {"pauseietime_vr24", templateNames("waitScrollerIE continuousScrollerIE")},
            {"bgcolorstrvr9", {}},
        };
        for (const std::string& token :
             templateNames("psleftvr1 psrightvr2 pstopvr3 ticwvr5 tichvr6 font_sizevr10 titlefont_sizevr13 "
                           "txtcolorvr11 titlecolorvr12 textstyle_vr14 titlestyle_vr15 fontweight_vr16 "
                           "titleweight_vr17 textlineheight_vr18 titlelineheight_vr19 textovercolor_vr20 "
                           "titleovercolor_vr21 textfontfamily_vr22 titlefontfamily_vr23 textalign_vr25"))
            holders[token] = all;
        for (const std::string& token :
             templateNames("hangipixeldepause txttxtdectut tittxtdectut handletxtdeccode1 handletxtdeccode2"))
            holders[token] = waitAndContinuous;
        return holders;
    }();
    return table;
}
