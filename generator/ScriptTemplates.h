#pragma once

#include <string>
#include <string_view>

enum class Flavour
{
    IE,
    Standards
};

// The eight runtime templates: a fader and three scroller modes, each for IE and for standards browsers.
class ScriptTemplates
{
public:
    // A fader for any style other than 0; otherwise mode 0 waits, 1 pages, anything else is continuous.
    static std::string_view ChooseTemplate(Flavour flavour, int effectStyle, int scrollMode);
    // The standards template chosen, as the option scripts number it: 0 wait, 1 page by page, 2 continuous,
    // 3 the fader.
    static std::string runtimeKind(int effectStyle, int scrollMode);
};
