#include "app/ValueAssignment.h"

#include "feed/ImportedMessages.h"
#include "project/FileNames.h"
#include "project/ProjectEncoding.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

namespace {

using nlohmann::json;

constexpr std::string_view whiteSpace = " \t\n\v\f\r";
constexpr std::size_t longestQuotedValue = 60;

// A value as the refusal repeats it: a long one is cut, so that the refusal stays one line.
std::string quotedValue(const std::string& text)
{
    if (text.size() <= longestQuotedValue && text.find_first_of("\r\n") == std::string::npos)
        return "'" + text + "'";
    return "'" + text.substr(0, std::min(text.find_first_of("\r\n"), longestQuotedValue)) + "...'";
}

Error refusal(const DesignValue& value, const std::string& text)
{
    return Error::usage(std::string(value.name) + " takes " + DesignValues::takes(value) + ", not " +
                        quotedValue(text));
}

Error unknownName(std::string_view name)
{
    const std::vector<std::string_view> close = DesignValues::nearest(name);
    std::string message = "unknown name '" + std::string(name) + "'";
    if (close.empty())
        return Error::usage(message + "; 'marquetto-cli help set' lists the names");
    message += "; did you mean ";
    for (std::size_t i = 0; i < close.size(); ++i) {
        if (i > 0)
            message += i + 1 == close.size() ? " or " : ", ";
        message += "'" + std::string(close[i]) + "'";
    }
    return Error::usage(message + "?");
}

bool isDigits(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a one-line field can hold: no line break, and characters, as typing gives them.
bool isOneLine(const std::string& text)
{
    return text.find_first_of("\r\n") == std::string::npos && TextEncoding::isUtf8(text);
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::optional<RgbColor> colourOf(const std::string& text)
{
    if (text.size() != 7 || text[0] != '#' ||
        !std::all_of(text.begin() + 1, text.end(), [](char c) { return hexDigit(c) >= 0; }))
        return std::nullopt;
    const auto component = [&](std::size_t at) { return hexDigit(text[at]) * 16 + hexDigit(text[at + 1]); };
    return RgbColor{component(1), component(3), component(5)};
}

// The message editors trim the target and open "_self" in the frame's parent, as the box's page is
// itself in a frame.
std::string editorTarget(const std::string& typed)
{
    const std::size_t first = typed.find_first_not_of(whiteSpace);
    if (first == std::string::npos)
        return {};
    std::string target = typed.substr(first, typed.find_last_not_of(whiteSpace) - first + 1);
    return target == "_self" ? "_parent" : target;
}

Expected<std::vector<Message>> messagesOf(const DesignValue& value, const std::string& text)
{
    const json list = json::parse(text, nullptr, false);
    const auto refused = [&](const std::string& why) {
        return Error::usage(std::string(value.name) + " takes " + DesignValues::takes(value) + "; " + why);
    };
    if (list.is_discarded())
        return refused("the value is not JSON in UTF-8");
    if (!list.is_array())
        return refused("the value is not an array");
    std::vector<Message> messages;
    for (const json& entry : list) {
        const std::string number = "message " + std::to_string(messages.size() + 1);
        if (!entry.is_object())
            return refused(number + " is not an object");
        Message message;
        for (const auto& [key, part] : entry.items()) {
            std::string* into = key == "title"    ? &message.title
                                : key == "text"   ? &message.text
                                : key == "link"   ? &message.link
                                : key == "target" ? &message.target
                                                  : nullptr;
            if (into == nullptr)
                return refused(number + " has '" + key + "', which is none of title, text, link and target");
            if (!part.is_string())
                return refused("the " + key + " of " + number + " is not a text");
            *into = part.get<std::string>();
        }
        message.target = editorTarget(message.target);
        messages.push_back(std::move(message));
    }
    return messages;
}

// The bytes of a UTF-8 text in the design's encoding, re-encoding the design when it cannot hold them.
std::string inDesignEncoding(ProjectRecord& record, const std::string& utf8)
{
    if (ProjectEncoding::of(record) == ProjectEncoding::Utf8)
        return utf8;
    if (auto bytes = TextEncoding::encodeWindows1252(TextEncoding::decodeUtf8(utf8)))
        return *bytes;
    ProjectEncoding::convertToUtf8(record);
    return utf8;
}

} // namespace

Expected<ValueAssignment> ValueAssignment::parse(std::string_view argument)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos && (argument == "-" || argument.ends_with(".tkp")))
        return Error::usage("'" + std::string(argument) +
                            "' is not NAME=VALUE; set reads a project only with --project");
    if (equals == std::string_view::npos)
        return Error::usage("'" + std::string(argument) + "' has no value; write " + std::string(argument) +
                            "=VALUE");
    const std::string_view name = argument.substr(0, equals);
    const DesignValue* value = DesignValues::find(name);
    if (value == nullptr)
        return unknownName(name);
    auto stored = read(*value, std::string(argument.substr(equals + 1)));
    if (!stored.ok())
        return stored.error();
    return ValueAssignment(*value, std::move(stored.value()));
}

Expected<ValueAssignment::Stored> ValueAssignment::read(const DesignValue& value, const std::string& text)
{
    switch (value.kind) {
    case DesignValue::Digits:
        if (isDigits(text))
            return Stored(text);
        break;
    case DesignValue::Line:
        if (isOneLine(text))
            return Stored(text);
        break;
    case DesignValue::BoxName:
        if (isOneLine(text) && !FileNames::holdsSeparator(text) &&
            text.size() <= DesignValues::longestBoxName())
            return Stored(text);
        break;
    case DesignValue::ImageFile:
        if (isOneLine(text) && FileNames::isPlain(text) && text.size() <= DesignValues::longestFileName)
            return Stored(text);
        break;
    case DesignValue::Choice: {
        const auto& list = value.list();
        if (const auto found = std::find(list.begin(), list.end(), text); found != list.end())
            return Stored(static_cast<int>(found - list.begin()));
        break;
    }
    case DesignValue::Tick:
        if (text == DesignValues::on || text == DesignValues::off)
            return Stored(text == DesignValues::on ? ProjectRecord::ticked : ProjectRecord::unticked);
        break;
    case DesignValue::Colour:
        if (const auto colour = colourOf(text))
            return Stored(*colour);
        break;
    case DesignValue::Seconds:
        if (!text.empty() && text.size() <= 5 && isDigits(text)) {
            const int seconds = std::stoi(text);
            if (seconds >= ProjectRecord::fewestLiveSeconds && seconds <= ProjectRecord::mostLiveSeconds)
                return Stored(seconds);
        }
        break;
    case DesignValue::Messages: {
        auto messages = messagesOf(value, text);
        if (!messages.ok())
            return messages.error();
        return Stored(std::move(messages.value()));
    }
    }
    return refusal(value, text);
}

void ValueAssignment::applyTo(ProjectRecord& record) const
{
    if (const auto* messages = std::get_if<std::vector<Message>>(&stored_)) {
        ImportedMessages::put(record, *messages, false);
        return;
    }
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&value_->field)) {
        std::string bytes = inDesignEncoding(record, std::get<std::string>(stored_));
        record.*(*text) = std::move(bytes);
    } else if (const auto* number = std::get_if<int ProjectRecord::*>(&value_->field)) {
        record.*(*number) = std::get<int>(stored_);
    } else if (const auto* colour = std::get_if<RgbColor ProjectRecord::*>(&value_->field)) {
        record.*(*colour) = std::get<RgbColor>(stored_);
    }
}
