#include "project/RecordMarkers.h"

#include "project/DesignTexts.h"
#include "project/FieldCharacters.h"
#include "project/ProjectKeys.h"

namespace {

constexpr std::string_view keyMark = "qvo-";
constexpr std::string_view endMark = "endof-";
static_assert(ProjectKeys::startPrefix == keyMark);

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
    return where + field + " holds " + problem;
}

// A NUL is looked for first: a value that holds one could not be read again whatever else it holds.
std::optional<RecordMarkers::UnsafeValue> RecordMarkers::firstUnsafeValue(const ProjectRecord& record)
{
    const int count = record.messageCount();
    std::optional<UnsafeValue> unsafe;
    DesignTexts::visit(record, [&](const DesignTexts::Place& place, const std::string& value) {
        std::string problem;
        if (value.find('\0') != std::string::npos)
            problem = FieldCharacters::nameOf(0) +
                      ", which a project file cannot hold; the file would not open again";
        else if (auto keyText = keyTextIn(value, count))
            problem =
                "\"" + *keyText +
                "\", which the project file uses to mark a record; the value would not read back as it is";
        if (!problem.empty())
            unsafe = UnsafeValue{place.step, std::string(place.field), place.message, std::move(problem)};
        return unsafe.has_value();
    });
    return unsafe;
}
