#include "generator/FitPageWidth.h"

#include "generator/BuiltInTexts.h"
#include "generator/ScriptFiller.h"
#include "project/IntegerText.h"
#include "project/OptionLists.h"

#include <cstdint>

namespace {

std::string designWidth(const ProjectRecord& record)
{
    return std::to_string(IntegerText::parse(record.width));
}

// How the script finds the runtime's state: each runtime keeps its column and stops in its own way.
std::string runtimeKind(const ProjectRecord& record)
{
    if (record.effectStyle != OptionLists::scrollerStyle)
        return "3";
    if (record.scrollMode == OptionLists::waitToFinishMode)
        return "0";
    if (record.scrollMode == OptionLists::pageByPageMode)
        return "1";
    return "2";
}

} // namespace

std::string FitPageWidth::frameStyle(const ProjectRecord& record)
{
    return " style=\"width:100%;max-width:" + designWidth(record) + "px\"";
}

std::string FitPageWidth::outerBoxWidth(const ProjectRecord& record)
{
    const std::int64_t border = IntegerText::parse(record.borderWidth);
    const std::int64_t inner = IntegerText::parse(record.width) - 2 * border;
    return "calc(100% - " + std::to_string(2 * border) + "px); max-width:" + std::to_string(inner) + "px";
}

std::string FitPageWidth::script(const ProjectRecord& record)
{
    return ScriptFiller::filled(BuiltInTexts::fitPageWidthStd(), record,
                                {{"fitkindvr", runtimeKind(record)}});
}
