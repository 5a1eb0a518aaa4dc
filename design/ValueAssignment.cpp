#include "design/ValueAssignment.h"

#include "project/FieldCharacters.h"
#include "project/FileNames.h"
#include "project/IntegerText.h"
#include "project/MessageTarget.h"
#include "project/RecordMarkers.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <nlohmann/json.hpp>
#include <optional>

namespace {

using nlohmann::json;

Error refusal(const DesignValue& value, const std::string& text, const std::string& why = {})
{
    return Error::usage(std::string(value.name) + " takes " + DesignValues::takes(value) + ", not " +
                        Error::quoted(text) + (why.empty() ? "" : ": " + why));
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

// Why a text cannot stand in a one-line field: what typing cannot give, or an escape by which show writes
// such a character, as a value taken back from show stays what it was.
std::optional<std::string> notOneLine(const std::string& text)
{
    if (!TextEncoding::isUtf8(text))
        return "it is not UTF-8";
    if (const auto found = FieldCharacters::firstRefusedInUtf8(text, true))
        return "it holds " + FieldCharacters::nameOf(found->character);
    if (const auto escape = FieldCharacters::firstEscape(text))
        return "it holds \"" + std::string(escape->written) + "\", which is how show writes " +
               FieldCharacters::nameOf(escape->character);
    return std::nullopt;
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

// A whole number as show writes one: an optional minus sign and digits.
std::optional<int> wholeNumber(std::string_view text)
{
    const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
    if (digits.empty() || digits.size() > 9 || !isDigits(std::string(digits)))
        return std::nullopt;
    return IntegerText::parse(text);
}

// #RRGGBB, or rgb(R,G,B) as show writes a colour with a part outside 0 to 255.
std::optional<RgbColor> colourOf(const std::string& text)
{
    if (text.size() == 7 && text[0] == '#' &&
        std::all_of(text.begin() + 1, text.end(), [](char c) { return hexDigit(c) >= 0; })) {
        const auto component = [&](std::size_t at) {
            return hexDigit(text[at]) * 16 + hexDigit(text[at + 1]);
        };
        return RgbColor{component(1), component(3), component(5)};
    }
    if (!text.starts_with("rgb(") || !text.ends_with(")"))
        return std::nullopt;
    const std::string_view parts = std::string_view(text).substr(4, text.size() - 5);
    const std::size_t first = parts.find(',');
    const std::size_t second = parts.find(',', first == std::string_view::npos ? first : first + 1);
    if (second == std::string_view::npos)
        return std::nullopt;
    const auto red = wholeNumber(parts.substr(0, first));
    const auto green = wholeNumber(parts.substr(first + 1, second - first - 1));
    const auto blue = wholeNumber(parts.substr(second + 1));
    if (!red || !green || !blue)
        return std::nullopt;
    return RgbColor{*red, *green, *blue};
}

// The message as the message editor stores what was typed: a title or text that holds a record's start or
// end text gets a character reference in its place, which the box shows as the same letter, and the
// target follows the editors' rule.
Message asEditorStores(Message message)
{
    for (std::string* shown : {&message.title, &message.text})
        if (RecordMarkers::holdsKeyText(*shown))
            *shown = RecordMarkers::inertHtml(*shown);
    message.target = MessageTarget::byRule(message.target);
    return message;
}

// The title, link and target come from one-line fields; the text from a field that takes line breaks.
std::optional<std::string> refusedPartOf(const Message& message)
{
    for (auto [part, text] :
         {std::pair{"title", &message.title}, {"link", &message.link}, {"target", &message.target}})
        if (const auto why = notOneLine(*text))
            return std::string("its ") + part + " cannot stand on one line: " + *why;
    if (const auto nul = FieldCharacters::firstRefusedInUtf8(message.text, false))
        return "its text holds " + FieldCharacters::nameOf(nul->character);
    return std::nullopt;
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
        if (const auto why = refusedPartOf(message))
            return refused(number + " is refused, as " + *why);
        messages.push_back(asEditorStores(std::move(message)));
    }
    return messages;
}

std::optional<std::string> inWindows1252(const std::string& utf8)
{
    return TextEncoding::encodeWindows1252(TextEncoding::decodeUtf8(utf8));
}

// The caller has made sure that windows-1252 holds every character before it asks for windows-1252.
std::string inEncoding(const std::string& utf8, ProjectEncoding::Kind encoding)
{
    if (encoding == ProjectEncoding::Utf8)
        return utf8;
    return inWindows1252(utf8).value_or(utf8);
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
    case DesignValue::BoxName:
        if (const auto why = notOneLine(text))
            return refusal(value, text, *why);
        return Stored(text);
    case DesignValue::ImageFile:
        if (const auto why = notOneLine(text))
            return refusal(value, text, *why);
        if (text.empty() || (FileNames::isPlain(text) && text.size() <= DesignValues::longestFileName))
            return Stored(text);
        break;
    case DesignValue::Choice: {
        if (text.empty())
            return Stored(DesignValues::noChoice);
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
    case DesignValue::Number:
        if (const auto number = wholeNumber(text))
            return Stored(*number);
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

Expected<void> ValueAssignment::applyAll(const std::vector<ValueAssignment>& assignments,
                                         ProjectRecord& record)
{
    ProjectEncoding::Kind encoding = ProjectEncoding::of(record);
    const bool fit =
        std::all_of(assignments.begin(), assignments.end(),
                    [](const ValueAssignment& assignment) { return assignment.fitsWindows1252(); });
    if (encoding == ProjectEncoding::Windows1252 && !fit) {
        ProjectEncoding::convertToUtf8(record, encoding);
        encoding = ProjectEncoding::Utf8;
    }
    for (const ValueAssignment& assignment : assignments)
        assignment.applyTo(record, encoding);
    ProjectEncoding::keepSettled(record, encoding);
    for (const ValueAssignment& assignment : assignments)
        if (auto kept = assignment.readsBackIn(record); !kept.ok())
            return kept;
    return {};
}

bool ValueAssignment::fitsWindows1252() const
{
    if (const auto* text = std::get_if<std::string>(&stored_))
        return inWindows1252(*text).has_value();
    if (const auto* messages = std::get_if<std::vector<Message>>(&stored_))
        return std::all_of(messages->begin(), messages->end(), [](const Message& m) {
            return inWindows1252(m.title) && inWindows1252(m.text) && inWindows1252(m.link) &&
                   inWindows1252(m.target);
        });
    return true;
}

void ValueAssignment::applyTo(ProjectRecord& record, ProjectEncoding::Kind encoding) const
{
    if (const auto* messages = std::get_if<std::vector<Message>>(&stored_)) {
        record.clearMessages();
        record.reserveMessages(static_cast<int>(messages->size()));
        for (const Message& m : *messages)
            record.appendMessage({inEncoding(m.title, encoding), inEncoding(m.text, encoding),
                                  inEncoding(m.link, encoding), inEncoding(m.target, encoding)});
    } else if (const auto* text = std::get_if<std::string ProjectRecord::*>(&value_->field)) {
        record.*(*text) = inEncoding(std::get<std::string>(stored_), encoding);
    } else if (const auto* number = std::get_if<int ProjectRecord::*>(&value_->field)) {
        record.*(*number) = std::get<int>(stored_);
    } else if (const auto* colour = std::get_if<RgbColor ProjectRecord::*>(&value_->field)) {
        record.*(*colour) = std::get<RgbColor>(stored_);
    }
}

Expected<void> ValueAssignment::readsBackIn(const ProjectRecord& record) const
{
    const int count = record.messageCount();
    const auto refused = [&](const std::string& what, const std::string& keyText) {
        return Error::usage(what + " holds \"" + keyText +
                            "\", which a project file uses to mark a record and cannot hold in a value");
    };
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&value_->field)) {
        if (const auto keyText = RecordMarkers::keyTextIn(record.*(*text), count))
            return refused(std::string(value_->name), *keyText);
        return {};
    }
    if (!std::holds_alternative<std::vector<Message>>(stored_))
        return {};
    for (int i = 0; i < count; ++i) {
        const Message message = record.message(i);
        for (auto [part, text] : {std::pair{"link", &message.link}, {"target", &message.target}})
            if (const auto keyText = RecordMarkers::keyTextIn(*text, count))
                return refused(std::string(value_->name) + ": the " + part + " of message " +
                                   std::to_string(i + 1),
                               *keyText);
    }
    return {};
}
