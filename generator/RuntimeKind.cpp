#include "generator/RuntimeKind.h"

#include "project/OptionLists.h"

std::string RuntimeKind::of(const ProjectRecord& record)
{
    if (record.effectStyle != OptionLists::scrollerStyle)
        return "3";
    if (record.scrollMode == OptionLists::waitToFinishMode)
        return "0";
    if (record.scrollMode == OptionLists::pageByPageMode)
        return "1";
    return "2";
}
