#pragma once

#include <string>

// Looks for the display that Qt is about to use, before Qt does: Qt aborts with a misleading hint when
// none answers, where the wizard can say plainly what is missing.
class DisplayProbe
{
public:
    // What decides where the windows go; empty when unset.
    struct Environment
    {
        std::string qpaPlatform;
        std::string display;
        std::string waylandDisplay;
        std::string runtimeFolder;
    };

    static Environment fromProcess();

    // Empty when a display answers (or a platform that needs none was chosen); otherwise what was
    // looked for and not found, in words for the user.
    static std::string whatIsMissing(const Environment& environment);

    // An X server accepts connections at DISPLAY ("[host]:number[.screen]").
    static bool xServerAnswers(const std::string& display);
    // A Wayland compositor accepts connections at WAYLAND_DISPLAY: a socket name in the runtime folder,
    // or a full path.
    static bool waylandAnswers(const std::string& waylandDisplay, const std::string& runtimeFolder);
};
