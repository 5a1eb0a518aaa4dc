#pragma once

#include <string_view>

// The texts compiled into the program: the default project and the runtime script templates.
class BuiltInTexts
{
public:
    static std::string_view defaultProject();

    static std::string_view faderIE();
    static std::string_view faderStd();
    static std::string_view waitScrollerIE();
    static std::string_view waitScrollerStd();
    static std::string_view pageScrollerIE();
    static std::string_view pageScrollerStd();
    static std::string_view continuousScrollerIE();
    static std::string_view continuousScrollerStd();
    static std::string_view accessibleBoxStd();
    static std::string_view lightMotionStd();
    static std::string_view fitPageWidthStd();
    static std::string_view liveMessagesStd();
};
