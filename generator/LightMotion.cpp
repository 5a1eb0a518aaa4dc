#include "generator/LightMotion.h"

#include "generator/BuiltInTexts.h"
#include "generator/RuntimeKind.h"
#include "generator/ScriptFiller.h"
#include "generator/TextReplace.h"
#include "generator/ValueFormats.h"
#include "project/OptionLists.h"

#include <array>
#include <string_view>
#include <utility>

namespace {

// Every write of a moving element's place goes through lm_top, so that no write is left to undo a
// translation; the messages move one by one only in page by page mode, and the fader moves nothing per step.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> columnWrites = {{
    {"setTimeout(dotrans,", "lm_after("},
    {"uzunobj.style.top=", "lm_top(uzunobj).top="},
    {"uzunobj2.style.top=", "lm_top(uzunobj2).top="},
}};
constexpr std::pair<std::string_view, std::string_view> messageWrite = {"msg.style.top=", "lm_top(msg).top="};

bool movesMessagesOneByOne(const ProjectRecord& record)
{
    return record.effectStyle == OptionLists::scrollerStyle &&
           record.scrollMode == OptionLists::pageByPageMode;
}

} // namespace

void LightMotion::adapt(std::string& runtime, const ProjectRecord& record)
{
    for (const auto& [from, to] : columnWrites)
        TextReplace::replaceAll(runtime, from, to);
    if (movesMessagesOneByOne(record))
        TextReplace::replaceAll(runtime, messageWrite.first, messageWrite.second);
}

std::string LightMotion::script(const ProjectRecord& record)
{
    return ScriptFiller::filled(BuiltInTexts::lightMotionStd(), record,
                                {{"motionkindvr", RuntimeKind::of(record)},
                                 {"pausetime_vr24", ValueFormats::standardsPause(record.pause)}});
}
