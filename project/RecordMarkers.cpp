#include "project/RecordMarkers.h"

#include "project/ProjectKeys.h"

#include <array>

namespace {

constexpr std::string_view keyMark = "qvo-";
constexpr std::string_view endMark = "endof-";
static_assert(ProjectKeys::startPrefix == keyMark);

struct TextSetting
{
    std::string ProjectRecord::*field;
    int step;
    std::string_view caption;
};

// Every text setting with the step and caption where the wizard shows it; integers and colours are
// written in decimal and cannot hold a key text.
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

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// `rest` follows a "qvo-" of the value; `ended` says whether "endof-" stands before that "qvo-".
std::optional<std::string> settingKeyText(std::string_view rest, bool ended)
{
    for (const std::string& key : ProjectKeys::valueKeys()) {
        if (!rest.starts_with(key))
            continue;
        if (ended)
            return std::string(endMark) + std::string(keyMark) + key;
        if (rest.size() > key.size() && rest[key.size()] == '=')
            return std::string(keyMark) + key + "=";
    }
    return std::nullopt;
}

// A start text needs the whole number and "="; an end text is matched by its shortest number already
// ("endof-qvo-tmessage1" stands at the front of "endof-qvo-tmessage12"), and numbers have no leading zero.
std::optional<std::string> messageKeyText(std::string_view rest, bool ended, int messageCount)
{
    const auto counted = [&](std::string_view digits) {
        if (digits.empty() || digits.front() == '0' || digits.size() > 7)
            return false;
        return messageCount == RecordMarkers::anyMessage || std::stoi(std::string(digits)) <= messageCount;
    };
    for (MessageField field : ProjectKeys::messageFieldOrder) {
        const std::string_view key = ProjectKeys::messageKey(field);
        if (!rest.starts_with(key))
            continue;
        const std::string_view afterKey = rest.substr(key.size());
        std::size_t digits = 0;
        while (digits < afterKey.size() && isDigit(afterKey[digits]))
            ++digits;
        if (ended && digits > 0 && counted(afterKey.substr(0, 1)))
            return std::string(endMark) + std::string(keyMark) + std::string(key) + afterKey[0];
        if (!ended && digits < afterKey.size() && afterKey[digits] == '=' &&
            counted(afterKey.substr(0, digits)))
            return std::string(keyMark) + std::string(rest.substr(0, key.size() + digits + 1));
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> RecordMarkers::keyTextIn(std::string_view value, int messageCount)
{
    // Every key text of a written value lies in the value with the end text that follows it: the texts
    // around a value end in "=" before it and start with "endof-" after it, and keys hold neither "=" nor
    // the '#' of the markers beyond.
    const std::string extended = std::string(value) + std::string(ProjectKeys::endPrefix);
    for (std::size_t at = value.find(keyMark); at != std::string_view::npos;
         at = value.find(keyMark, at + 1)) {
        const std::string_view rest = std::string_view(extended).substr(at + keyMark.size());
        const bool ended =
            at >= endMark.size() && value.substr(at - endMark.size(), endMark.size()) == endMark;
        for (bool asEnd : {true, false}) {
            if (asEnd && !ended)
                continue;
            if (auto found = settingKeyText(rest, asEnd))
                return found;
            if (auto found = messageKeyText(rest, asEnd, messageCount))
                return found;
        }
    }
    return std::nullopt;
}

std::string RecordMarkers::inertHtml(std::string_view value)
{
    std::string inert;
    inert.reserve(value.size());
    std::size_t from = 0;
    for (std::size_t at = value.find(keyMark); at != std::string_view::npos; at = value.find(keyMark, from)) {
        inert.append(value.substr(from, at - from));
        inert.append("qv&#111;-");
        from = at + keyMark.size();
    }
    inert.append(value.substr(from));
    return inert;
}

std::string RecordMarkers::UnsafeValue::describe() const
{
    std::string where = "Step " + std::to_string(step) + ", ";
    if (message > 0)
        where += "message " + std::to_string(message) + ", ";
    return where + field + " holds \"" + keyText +
           "\", which the project file uses to mark a record; the value would not read back as it is";
}

std::optional<RecordMarkers::UnsafeValue> RecordMarkers::firstUnsafeValue(const ProjectRecord& record)
{
    const int count = record.messageCount();
    for (const TextSetting& setting : textSettings) {
        if (auto found = keyTextIn(record.*setting.field, count))
            return UnsafeValue{setting.step, std::string(setting.caption), 0, std::move(*found)};
    }
    for (int i = 0; i < count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        for (auto [caption, values] : {std::pair{"Title", &record.messageTitles()},
                                       {"Text", &record.messageTexts()},
                                       {"Link", &record.messageLinks()},
                                       {"Target", &record.messageTargets()}}) {
            if (auto found = keyTextIn((*values)[index], count))
                return UnsafeValue{4, caption, i + 1, std::move(*found)};
        }
    }
    return std::nullopt;
}
