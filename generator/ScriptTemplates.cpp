#include "generator/ScriptTemplates.h"

#include "generator/BuiltInTexts.h"

std::string_view ScriptTemplates::ChooseTemplate(Flavour flavour, int effectStyle, int scrollMode)
{
    const bool ie = flavour == Flavour::IE;
    if (effectStyle != 0)
        return ie ? BuiltInTexts::faderIE() : BuiltInTexts::faderStd();
    if (scrollMode == 0)
        return ie ? BuiltInTexts::waitScrollerIE() : BuiltInTexts::waitScrollerStd();
    if (scrollMode == 1)
        return ie ? BuiltInTexts::pageScrollerIE() : BuiltInTexts::pageScrollerStd();
    return ie ? BuiltInTexts::continuousScrollerIE() : BuiltInTexts::continuousScrollerStd();
}
