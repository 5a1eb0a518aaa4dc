#pragma once

#include <string_view>

// The texts compiled into the program: the default project and the runtime script templates.
class BuiltInTexts
{
public:
    static std::string_view defaultProject();
};
