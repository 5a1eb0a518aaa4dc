#pragma once

#include "project/Error.h"

#include <cstddef>
#include <string>
#include <string_view>

// Where in a feed something is, as its author finds it in an editor: lines and columns from 1, a column
// counting characters of UTF-8 rather than bytes.
class FeedPosition
{
public:
    static FeedPosition at(std::string_view bytes, std::size_t offset);
    static FeedPosition of(std::size_t line, std::size_t column) { return FeedPosition(line, column); }

    // "line 3, column 7: WHAT", refused as a design that cannot be made.
    Error error(const std::string& what) const;

private:
    FeedPosition(std::size_t line, std::size_t column) : line_(line), column_(column) {}

    std::size_t line_;
    std::size_t column_;
};
