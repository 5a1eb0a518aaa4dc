#include "generator/PageRoundTrip.h"

#include "project/OptionLists.h"

#include <string_view>
#include <vector>

namespace {

void keepInList(int& position, const std::vector<std::string_view>& list)
{
    position = OptionLists::shownPosition(list, position);
}

void keepTickState(int& value)
{
    if (value != ProjectRecord::ticked)
        value = ProjectRecord::unticked;
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
    if (useCustomFont == ProjectRecord::ticked)
        return customFont;
    if (!OptionLists::contains(OptionLists::fonts(), fontIndex))
        return {};
    return std::string(OptionLists::fonts()[static_cast<std::size_t>(fontIndex)]);
}
