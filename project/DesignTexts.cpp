#include "project/DesignTexts.h"

#include <array>
#include <tuple>

namespace {

struct TextSetting
{
    std::string ProjectRecord::*field;
    int step;
    std::string_view caption;
};

// Integers and colours are written in decimal and are left out.
constexpr std::array<TextSetting, 20> textSettings{{
    {&ProjectRecord::scrollerName, 1, "Name"},
    {&ProjectRecord::width, 2, "Width"},
    {&ProjectRecord::height, 2, "Height"},
    {&ProjectRecord::paragraphSpace, 2, "Space"},
    {&ProjectRecord::topMargin, 2, "Top margin"},
    {&ProjectRecord::bottomMargin, 2, "Bottom margin"},
    {&ProjectRecord::leftMargin, 2, "Left margin"},
    {&ProjectRecord::rightMargin, 2, "Right margin"},
    {&ProjectRecord::bgImageName, 2, "Background image"},
    {&ProjectRecord::bgImageX, 2, "Image X position"},
    {&ProjectRecord::bgImageY, 2, "Image Y position"},
    {&ProjectRecord::textCustomFont, 3, "Text font"},
    {&ProjectRecord::titleCustomFont, 3, "Title font"},
    {&ProjectRecord::textFontSize, 3, "Font size"},
    {&ProjectRecord::titleFontSize, 3, "Title font size"},
    {&ProjectRecord::textLineHeight, 3, "Line height"},
    {&ProjectRecord::titleLineHeight, 3, "Title line height"},
    {&ProjectRecord::borderWidth, 3, "Border width"},
    {&ProjectRecord::scrollDelay, 4, "Scroll delay"},
    {&ProjectRecord::pause, 4, "Pause"},
}};

} // namespace

bool DesignTexts::visit(const ProjectRecord& record,
                        const std::function<bool(const Place& place, const std::string& text)>& visit)
{
    for (const TextSetting& setting : textSettings)
        if (visit({setting.step, setting.caption, 0, true}, record.*setting.field))
            return true;
    for (int i = 0; i < record.messageCount(); ++i) {
        const auto index = static_cast<std::size_t>(i);
        for (auto [caption, values, oneLine] : {std::tuple{"Title", &record.messageTitles(), true},
                                                {"Text", &record.messageTexts(), false},
                                                {"Link", &record.messageLinks(), true},
                                                {"Target", &record.messageTargets(), true}}) {
            if (visit({4, caption, i + 1, oneLine}, (*values)[index]))
                return true;
        }
    }
    return false;
}
