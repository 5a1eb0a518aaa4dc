#include "generator/TemplateFields.h"

#include <array>

namespace {

constexpr std::array<std::string_view, 33> placeholders = {
    "psleftvr1",
    "psrightvr2",
    "pstopvr3",
    "psbottomvr4",
    "ticwvr5",
    "tichvr6",
    "borderwvr7",
    "prgspacevr8",
    "scrdelayinms",
    "bgcolorstrvr9",
    "font_sizevr10",
    "titlefont_sizevr13",
    "txtcolorvr11",
    "titlecolorvr12",
    "textstyle_vr14",
    "titlestyle_vr15",
    "fontweight_vr16",
    "titleweight_vr17",
    "textlineheight_vr18",
    "titlelineheight_vr19",
    "textovercolor_vr20",
    "titleovercolor_vr21",
    "textfontfamily_vr22",
    "titlefontfamily_vr23",
    "pausetime_vr24",
    "textalign_vr25",
    "disborderw",
    "pauseietime_vr24",
    "tittxtdectut",
    "txttxtdectut",
    "handletxtdeccode1",
    "handletxtdeccode2",
    "hangipixeldepause",
};

// Also looked for in the filled scripts: the place of the link code, and the statement after which the
// scripts are cut.
constexpr std::array<std::string_view, 2> markers = {"//buildergenlink", "window.onload=initte;"};

} // namespace

std::vector<TemplateFields::Field> TemplateFields::of(const ProjectRecord& r)
{
    return {
        {2, "Width", r.width},
        {2, "Height", r.height},
        {2, "Space", r.paragraphSpace},
        {2, "Top margin", r.topMargin},
        {2, "Bottom margin", r.bottomMargin},
        {2, "Left margin", r.leftMargin},
        {2, "Right margin", r.rightMargin},
        {3, "Text font", r.textFontFace},
        {3, "Title font", r.titleFontFace},
        {3, "Font size", r.textFontSize},
        {3, "Title font size", r.titleFontSize},
        {3, "Line height", r.textLineHeight},
        {3, "Title line height", r.titleLineHeight},
        {3, "Border width", r.borderWidth},
        {4, "Scroll delay", r.scrollDelay},
        {4, "Pause", r.pause},
    };
}

std::optional<std::string_view> TemplateFields::placeholderIn(std::string_view value)
{
    for (std::string_view placeholder : placeholders)
        if (value.find(placeholder) != std::string_view::npos)
            return placeholder;
    for (std::string_view marker : markers)
        if (value.find(marker) != std::string_view::npos)
            return marker;
    return std::nullopt;
}

Expected<void> TemplateFields::freeOfPlaceholders(const ProjectRecord& record)
{
    for (const Field& field : of(record))
        if (const auto placeholder = placeholderIn(field.value))
            return Error::refused(
                       "Step " + std::to_string(field.step) + ", " + std::string(field.caption) +
                       ": holds \"" + std::string(*placeholder) +
                       "\", which the generator looks for in its scripts, so the news box cannot be "
                       "generated; remove it.")
                .because("placeholder",
                         {std::to_string(field.step), std::string(field.caption), std::string(*placeholder)});
    return {};
}
