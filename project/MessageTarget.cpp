#include "project/MessageTarget.h"

#include "project/TextEncoding.h"

#include <algorithm>
#include <utility>

namespace {

// The characters a desktop text field trims: the ASCII controls that space text, the next-line control
// and every Unicode space, line and paragraph separator.
bool isSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

// HTML compares the keywords in ASCII case-insensitively; the box's scripts look for them in lower case.
std::u32string keywordInLowerCase(std::u32string target)
{
    std::u32string lower = target;
    for (char32_t& c : lower)
        c = c >= U'A' && c <= U'Z' ? c - U'A' + U'a' : c;
    for (std::u32string_view keyword : {U"_blank", U"_parent", U"_top"})
        if (lower == keyword)
            return lower;
    return lower == U"_self" ? U"_parent" : target;
}

} // namespace

std::string MessageTarget::byRule(std::string_view typed)
{
    std::u32string target = TextEncoding::decodeUtf8(typed);
    const auto last = std::find_if_not(target.rbegin(), target.rend(), isSpace).base();
    target.erase(last, target.end());
    target.erase(target.begin(), std::find_if_not(target.begin(), target.end(), isSpace));
    return TextEncoding::encodeUtf8(keywordInLowerCase(std::move(target)));
}
