#include "project/MessageTarget.h"

#include "project/TextEncoding.h"

#include <algorithm>

namespace {

// The characters a desktop text field trims: the ASCII controls that space text, the next-line control
// and every Unicode space, line and paragraph separator.
bool isSpace(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
           c == 0x3000;
}

} // namespace

std::string MessageTarget::byRule(std::string_view typed)
{
    std::u32string target = TextEncoding::decodeUtf8(typed);
    const auto last = std::find_if_not(target.rbegin(), target.rend(), isSpace).base();
    target.erase(last, target.end());
    target.erase(target.begin(), std::find_if_not(target.begin(), target.end(), isSpace));
    return target == U"_self" ? "_parent" : TextEncoding::encodeUtf8(target);
}
