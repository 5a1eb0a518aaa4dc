#include "generator/FitPageWidth.h"

#include "generator/BuiltInTexts.h"
#include "generator/RuntimeKind.h"
#include "generator/ScriptFiller.h"
#include "project/IntegerText.h"

#include <cstdint>

namespace {

std::string designWidth(const ProjectRecord& record)
{
    return std::to_string(IntegerText::parse(record.width));
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
                                {{"fitkindvr", RuntimeKind::of(record)}});
}
