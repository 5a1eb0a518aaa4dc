#pragma once

#include <string_view>

// Typed numbers stay text in the record; this is the one rule by which they become integers.
class IntegerText
{
public:
    // Leading white space, an optional sign, then digits up to the first other character; no digits
    // gives 0. Values beyond 32 bits saturate instead of wrapping.
    static int parse(std::string_view text);
};
