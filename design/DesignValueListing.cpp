#include "design/DesignValueListing.h"

#include "project/FieldCharacters.h"
#include "project/ProjectEncoding.h"
#include "project/TextEncoding.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace {

using nlohmann::ordered_json;

constexpr std::size_t nameColumn = 35;
constexpr std::size_t lineWidth = 79;

std::string inUtf8(ProjectEncoding::Kind encoding, const std::string& bytes)
{
    if (encoding == ProjectEncoding::Utf8)
        return bytes;
    return TextEncoding::encodeUtf8(TextEncoding::decodeWindows1252(bytes));
}

std::string hexColour(const RgbColor& colour)
{
    const auto inRange = [](int part) { return part >= 0 && part <= 255; };
    char text[48];
    if (inRange(colour.red) && inRange(colour.green) && inRange(colour.blue))
        std::snprintf(text, sizeof text, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
    else
        std::snprintf(text, sizeof text, "rgb(%d,%d,%d)", colour.red, colour.green, colour.blue);
    return text;
}

ordered_json messagesJson(const ProjectRecord& record, ProjectEncoding::Kind encoding)
{
    ordered_json list = ordered_json::array();
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message message = record.message(i);
        list.push_back({{"title", inUtf8(encoding, message.title)},
                        {"text", inUtf8(encoding, message.text)},
                        {"link", inUtf8(encoding, message.link)},
                        {"target", inUtf8(encoding, message.target)}});
    }
    return list;
}

// The value as set takes it: a list entry by its text (empty when the position is outside the list), a
// tick as on or off, a colour as #RRGGBB (rgb(R,G,B) when a part lies outside 0 to 255), a text in UTF-8.
std::string shownIn(const ProjectRecord& record, const DesignValue& value, ProjectEncoding::Kind encoding)
{
    if (value.kind == DesignValue::Messages)
        return messagesJson(record, encoding).dump();
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&value.field))
        return inUtf8(encoding, record.*(*text));
    if (const auto* colour = std::get_if<RgbColor ProjectRecord::*>(&value.field))
        return hexColour(record.*(*colour));
    const int number = record.*std::get<int ProjectRecord::*>(value.field);
    if (value.kind == DesignValue::Tick)
        return std::string(number == ProjectRecord::ticked ? DesignValues::on : DesignValues::off);
    if (value.kind == DesignValue::Number || value.kind == DesignValue::Seconds)
        return std::to_string(number);
    const auto& list = value.list();
    if (number < 0 || static_cast<std::size_t>(number) >= list.size())
        return {};
    return std::string(list[static_cast<std::size_t>(number)]);
}

// The words of `text` in lines that end before the line width, every line after the first indented to
// the column where the first began.
std::string wrapped(const std::string& text, std::size_t column)
{
    std::string lines;
    std::size_t width = column;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string::npos)
            end = text.size();
        const std::size_t length = end - start;
        if (width > column && width + 1 + length > lineWidth) {
            lines += "\n" + std::string(column, ' ');
            width = column;
        } else if (width > column) {
            lines += ' ';
            ++width;
        }
        lines += text.substr(start, length);
        width += length;
        start = end + 1;
    }
    return lines;
}
} // namespace

// A character that breaks a line is written as an escape, so that every name has one line whatever a
// hand-edited file holds: in JSON's way within the messages, which set reads back as they were.
std::string DesignValueListing::asText(const ProjectRecord& record)
{
    const ProjectEncoding::Kind encoding = ProjectEncoding::of(record);
    std::string lines;
    for (const DesignValue& value : DesignValues::all()) {
        const auto style = value.kind == DesignValue::Messages ? FieldCharacters::Escapes::Json
                                                               : FieldCharacters::Escapes::C;
        lines += std::string(value.name) + "=" +
                 FieldCharacters::escaped(shownIn(record, value, encoding), style) + "\n";
    }
    return lines;
}

std::string DesignValueListing::asJson(const ProjectRecord& record)
{
    const ProjectEncoding::Kind encoding = ProjectEncoding::of(record);
    ordered_json values = ordered_json::object();
    for (const DesignValue& value : DesignValues::all()) {
        const std::string name(value.name);
        if (value.kind == DesignValue::Messages)
            values[name] = messagesJson(record, encoding);
        else
            values[name] = shownIn(record, value, encoding);
    }
    return values.dump(2);
}

std::string DesignValueListing::namesHelp()
{
    std::string help;
    int step = 0;
    for (const DesignValue& value : DesignValues::all()) {
        if (value.step != step) {
            step = value.step;
            help += "Step " + std::to_string(step) + ":\n";
        }
        std::string line = "  " + std::string(value.name);
        line += std::string(nameColumn > line.size() ? nameColumn - line.size() : 1, ' ');
        help +=
            line + wrapped(std::string(value.caption) + ": " + DesignValues::takes(value), nameColumn) + "\n";
    }
    return help;
}

std::string DesignValueListing::completionWords(const std::vector<std::string>& arguments)
{
    std::string words;
    if (arguments.empty()) {
        for (const DesignValue& value : DesignValues::all())
            words += std::string(value.name) + "\n";
    } else if (const DesignValue* value = DesignValues::find(arguments.front())) {
        for (const std::string& choice : DesignValues::choices(*value))
            words += choice + "\n";
    }
    return words;
}
