#pragma once

#include <string>

// An ASCII text in UTF-16 or UTF-32, each character one code unit with its byte first or last, as a
// program writes wide text with no byte-order mark.
inline std::string widened(const std::string& text, std::size_t unitSize, bool bigEndian)
{
    std::string wide;
    for (char c : text) {
        std::string unit(unitSize, '\0');
        unit[bigEndian ? unitSize - 1 : 0] = c;
        wide += unit;
    }
    return wide;
}
