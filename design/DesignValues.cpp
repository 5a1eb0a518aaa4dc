#include "design/DesignValues.h"

#include "project/OptionLists.h"

#include <algorithm>
#include <numeric>

namespace {

std::vector<DesignValue> makeTable()
{
    using R = ProjectRecord;
    using V = DesignValue;
    using L = OptionLists;
    return {
        {"name", 1, "Name", V::BoxName, &R::scrollerName},
        {"accessible-box", 1, "Accessible box", V::Tick, &R::accessibleBox},
        {"right-to-left", 1, "Right-to-left text", V::Tick, &R::rightToLeft},
        {"fit-page-width", 1, "Fit the page width", V::Tick, &R::fitPageWidth},
        {"light-motion", 1, "Light motion", V::Tick, &R::lightMotion},
        {"live-messages", 1, "Live messages", V::Tick, &R::liveMessages},
        {"live-messages-every", 1, "Live messages every", V::Seconds, &R::liveSeconds},

        {"width", 2, "Width", V::Digits, &R::width},
        {"height", 2, "Height", V::Digits, &R::height},
        {"space", 2, "Space", V::Digits, &R::paragraphSpace},
        {"top-margin", 2, "Top margin", V::Digits, &R::topMargin},
        {"bottom-margin", 2, "Bottom margin", V::Digits, &R::bottomMargin},
        {"left-margin", 2, "Left margin", V::Digits, &R::leftMargin},
        {"right-margin", 2, "Right margin", V::Digits, &R::rightMargin},
        {"background-color", 2, "Background color", V::Colour, &R::bgColor},
        {"text-color", 2, "Text color", V::Colour, &R::textColor},
        {"mouse-over-text-color", 2, "Mouse over text color", V::Colour, &R::textHoverColor},
        {"title-color", 2, "Title color", V::Colour, &R::titleColor},
        {"mouse-over-title-color", 2, "Mouse over title color", V::Colour, &R::titleHoverColor},
        {"title-background-color", 2, "Title Background Color (a hidden button; not generated)", V::Colour,
         &R::titleBgColor},
        {"background-image", 2, "Background image", V::Tick, &R::bgImageOn},
        {"background-image-file", 2, "Background image file", V::ImageFile, &R::bgImageName},
        {"image-x-position", 2, "Image X position", V::Digits, &R::bgImageX},
        {"image-y-position", 2, "Image Y position", V::Digits, &R::bgImageY},

        {"text-font-type", 3, "Text Font type", V::Choice, &R::textFontIndex, &L::fonts},
        {"text-use-this", 3, "Use this (text font)", V::Tick, &R::textUseCustomFont},
        {"text-font-name", 3, "Text font name", V::Line, &R::textCustomFont},
        {"title-font-type", 3, "Title font type", V::Choice, &R::titleFontIndex, &L::fonts},
        {"title-use-this", 3, "Use this (title font)", V::Tick, &R::titleUseCustomFont},
        {"title-font-name", 3, "Title font name", V::Line, &R::titleCustomFont},
        {"text-font-size", 3, "Font size", V::Digits, &R::textFontSize},
        {"title-font-size", 3, "Title font size", V::Digits, &R::titleFontSize},
        {"text-line-height", 3, "Line height", V::Digits, &R::textLineHeight},
        {"title-line-height", 3, "Title line height", V::Digits, &R::titleLineHeight},
        {"text-alignment", 3, "Text alignment", V::Choice, &R::alignment, &L::alignments},
        {"spare-alignment", 3, "Spare alignment (no control; not generated)", V::Number, &R::spareAlignment},
        {"border-width", 3, "Border width", V::Digits, &R::borderWidth},
        {"border-color", 3, "Border color", V::Colour, &R::borderColor},
        {"border-style", 3, "Border style", V::Choice, &R::borderStyle, &L::borders},
        {"text-style", 3, "Text style", V::Choice, &R::textStyle, &L::styles},
        {"title-style", 3, "Title style", V::Choice, &R::titleStyle, &L::styles},
        {"text-decoration", 3, "Text decoration", V::Choice, &R::textDecoration, &L::decorations},
        {"mouse-over-text-decoration", 3, "Mouse over text decoration", V::Choice, &R::textHoverDecoration,
         &L::decorations},
        {"title-text-decoration", 3, "Title text decoration", V::Choice, &R::titleDecoration,
         &L::decorations},
        {"title-mouse-over-text-decoration", 3, "Title mouse over text decoration", V::Choice,
         &R::titleHoverDecoration, &L::decorations},

        {"messages", 4, "Messages", V::Messages, std::monostate{}},
        {"style", 4, "Style", V::Choice, &R::effectStyle, &L::effectStyles},
        {"transition-effect", 4, "Transition effect", V::Choice, &R::effectType, &L::transitions},
        {"scroll-mode", 4, "Scroll mode", V::Choice, &R::scrollMode, &L::modes},
        {"scroll-delay", 4, "Scroll delay", V::Digits, &R::scrollDelay},
        {"pause", 4, "Pause", V::Digits, &R::pause},
        {"transition-speed", 4, "Transition speed", V::Choice, &R::transitionSpeed, &L::speeds},
    };
}

// Edits that turn one name into the other, a swap of two neighbouring letters counting as one edit, as
// fingers most often make it.
std::size_t editDistance(std::string_view from, std::string_view to)
{
    const std::size_t columns = to.size() + 1;
    std::vector<std::size_t> before(columns), previous(columns), current(columns);
    std::iota(previous.begin(), previous.end(), 0);
    for (std::size_t i = 1; i <= from.size(); ++i) {
        current[0] = i;
        for (std::size_t j = 1; j <= to.size(); ++j) {
            const std::size_t change = from[i - 1] == to[j - 1] ? 0 : 1;
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + change});
            if (i > 1 && j > 1 && from[i - 1] == to[j - 2] && from[i - 2] == to[j - 1])
                current[j] = std::min(current[j], before[j - 2] + 1);
        }
        before.swap(previous);
        previous.swap(current);
    }
    return previous[to.size()];
}

std::string quotedList(const std::vector<std::string_view>& entries)
{
    std::string words;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (i > 0)
            words += i + 1 == entries.size() ? " or " : ", ";
        words += '"' + std::string(entries[i]) + '"';
    }
    return words;
}

} // namespace

const std::vector<DesignValue>& DesignValues::all()
{
    static const std::vector<DesignValue> table = makeTable();
    return table;
}

const DesignValue* DesignValues::find(std::string_view name)
{
    const auto& table = all();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const DesignValue& value) { return value.name == name; });
    return found == table.end() ? nullptr : &*found;
}

// Close means a few typing slips away, more for a longer name; a word that a name holds ("margin",
// "color", or "colour" as many write it) also brings that name.
std::vector<std::string_view> DesignValues::nearest(std::string_view name)
{
    std::string word(name);
    if (const std::size_t british = word.find("colour"); british != std::string::npos)
        word.erase(british + 4, 1);
    constexpr std::size_t mostShown = 6;
    const std::size_t slips = std::min<std::size_t>(3, 1 + name.size() / 5);
    std::vector<std::pair<std::size_t, std::string_view>> close;
    for (const DesignValue& value : all()) {
        const std::size_t distance = editDistance(name, value.name);
        if (distance <= slips)
            close.emplace_back(distance, value.name);
        else if (word.size() >= 3 && value.name.find(word) != std::string_view::npos)
            close.emplace_back(slips + 1, value.name);
    }
    std::stable_sort(close.begin(), close.end(),
                     [](const auto& one, const auto& other) { return one.first < other.first; });
    std::vector<std::string_view> names;
    for (std::size_t i = 0; i < close.size() && i < mostShown; ++i)
        names.push_back(close[i].second);
    return names;
}

std::string DesignValues::takes(const DesignValue& value)
{
    switch (value.kind) {
    case DesignValue::Digits:
        return "digits 0 to 9";
    case DesignValue::Line:
        return "a text on one line, without line breaks or control characters";
    case DesignValue::BoxName:
        return "a text on one line, without line breaks or control characters; it begins the names of "
               "the box's files";
    case DesignValue::ImageFile:
        return "a file name without a folder, of at most " + std::to_string(longestFileName) +
               " bytes, or nothing";
    case DesignValue::Choice:
        return quotedList(value.list()) + ", or nothing for no choice";
    case DesignValue::Tick:
        return std::string(on) + " or " + std::string(off);
    case DesignValue::Colour:
        return "a colour #RRGGBB, or rgb(R,G,B) with whole numbers";
    case DesignValue::Number:
        return "a whole number";
    case DesignValue::Seconds:
        return "a whole number of seconds from " + std::to_string(ProjectRecord::fewestLiveSeconds) + " to " +
               std::to_string(ProjectRecord::mostLiveSeconds);
    case DesignValue::Messages:
        return "a JSON array of messages, each an object with the texts title, text, link and target";
    }
    return {};
}

std::vector<std::string> DesignValues::choices(const DesignValue& value)
{
    if (value.kind == DesignValue::Tick)
        return {std::string(on), std::string(off)};
    if (value.kind != DesignValue::Choice)
        return {};
    return std::vector<std::string>(value.list().begin(), value.list().end());
}
