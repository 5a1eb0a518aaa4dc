#include "generator/ScriptTemplates.h"

#include "generator/BuiltInTexts.h"
#include "project/OptionLists.h"

std::string_view ScriptTemplates::ChooseTemplate(Flavour flavour, int effectStyle, int scrollMode)
{
    const bool ie = flavour == Flavour::IE;
    if (effectStyle != OptionLists::scrollerStyle)
        return ie ? BuiltInTexts::faderIE() : BuiltInTexts::faderStd();
    if (scrollMode == OptionLists::waitToFinishMode)
        return ie ? BuiltInTexts::waitScrollerIE() : BuiltInTexts::waitScrollerStd();
    if (scrollMode == OptionLists::pageByPageMode)
        return ie ? BuiltInTexts::pageScrollerIE() : BuiltInTexts::pageScrollerStd();
    return ie ? BuiltInTexts::continuousScrollerIE() : BuiltInTexts::continuousScrollerStd();
}
