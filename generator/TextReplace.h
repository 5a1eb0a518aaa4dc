#pragma once

#include <string>
#include <string_view>

// The two replacement rules that generation uses.
class TextReplace
{
public:
    static constexpr int boundedLimit = 201;

    // Up to 201 times: find the token's first occurrence, searching from the start of the whole text,
    // and replace it. A value holding the token is therefore replaced again, until the limit.
    static void ReplaceBounded(std::string& text, std::string_view token, std::string_view value);

    // Every occurrence, left to right; inserted text is never searched again.
    static void replaceAll(std::string& text, std::string_view token, std::string_view value);
};
