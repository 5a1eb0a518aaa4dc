#include "generator/PageRoundTrip.h"

#include "project/OptionLists.h"

#include <string_view>
#include <vector>

namespace {

void keepInList(int& position, const std::vector<std::string_view>& list)
{
    if (!OptionLists::contains(list, position))
        position = -1;
}

void keepTickState(int& value)
{
    if (value != 1)
        value = 0;
}

} // namespace

void PageRoundTrip::apply(ProjectRecord& record)
{
    keepInList(record.textFontIndex, OptionLists::fonts());
    keepInList(record.titleFontIndex, OptionLists::fonts());
    keepInList(record.textStyle, OptionLists::styles());
    keepInList(record.titleStyle, OptionLists::styles());
    keepInList(record.alignment, OptionLists::alignments());
    keepInList(record.borderStyle, OptionLists::borders());
    keepInList(record.textDecoration, OptionLists::decorations());
    keepInList(record.textHoverDecoration, OptionLists::decorations());
    keepInList(record.titleDecoration, OptionLists::decorations());
    keepInList(record.titleHoverDecoration, OptionLists::decorations());
    keepInList(record.effectStyle, OptionLists::effectStyles());
    keepInList(record.effectType, OptionLists::transitions());
    keepInList(record.transitionSpeed, OptionLists::speeds());
    keepInList(record.scrollMode, OptionLists::modes());
    keepTickState(record.textUseCustomFont);
    keepTickState(record.titleUseCustomFont);
    record.textFontFace = fontFace(record.textUseCustomFont, record.textCustomFont, record.textFontIndex);
    record.titleFontFace = fontFace(record.titleUseCustomFont, record.titleCustomFont, record.titleFontIndex);
}

std::string PageRoundTrip::fontFace(int useCustomFont, const std::string& customFont, int fontIndex)
{
    if (useCustomFont == 1)
        return customFont;
    if (!OptionLists::contains(OptionLists::fonts(), fontIndex))
        return {};
    return std::string(OptionLists::fonts()[static_cast<std::size_t>(fontIndex)]);
}
