#pragma once

#include <string_view>

// The sample background image compiled into the program, for a first run started where no copy lies
// beside it.
class SampleImage
{
public:
    static std::string_view jpeg();
};
