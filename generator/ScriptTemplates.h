#pragma once

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
};
