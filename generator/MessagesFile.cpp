#include "generator/MessagesFile.h"

#include "project/Error.h"
#include "project/ProjectEncoding.h"

#include <array>
#include <cstdio>

namespace {

void appendString(std::string& out, std::string_view value)
{
    out += '"';
    for (const char c : value) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                std::array<char, 8> escape{};
                std::snprintf(escape.data(), escape.size(), "\\u%04X", static_cast<unsigned>(c));
                out += escape.data();
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::vector<Message> messagesOf(const ProjectRecord& record)
{
    std::vector<Message> messages;
    messages.reserve(static_cast<std::size_t>(record.messageCount()));
    for (int i = 0; i < record.messageCount(); ++i)
        messages.push_back(record.message(i));
    return messages;
}

} // namespace

std::string MessagesFile::text(const std::vector<Message>& messages)
{
    std::string out = "{\"version\":1,\"messages\":[";
    for (std::size_t i = 0; i < messages.size(); ++i) {
        const Message& message = messages[i];
        out += i == 0 ? "{" : ",{";
        for (const auto& [name, value] : {std::pair{"title", &message.title},
                                          {"text", &message.text},
                                          {"link", &message.link},
                                          {"target", &message.target}}) {
            if (out.back() != '{')
                out += ',';
            appendString(out, name);
            out += ':';
            appendString(out, *value);
        }
        out += '}';
    }
    return out + "]}\n";
}

std::string MessagesFile::ofDesign(const ProjectRecord& record)
{
    if (ProjectEncoding::of(record) == ProjectEncoding::Utf8)
        return text(messagesOf(record));
    ProjectRecord inUtf8 = record;
    ProjectEncoding::convertToUtf8(inUtf8);
    return text(messagesOf(inUtf8));
}

std::string MessagesFile::refusal(const std::string& text, std::size_t count)
{
    if (count < fewestMessages || count > mostMessages)
        return "a news box takes " + std::to_string(fewestMessages) + " to " + std::to_string(mostMessages) +
               " messages, not " + std::to_string(count);
    if (text.size() > maxBytes)
        return "a news box takes a messages file of at most " + Error::sizeInWords(maxBytes) + ", not " +
               Error::sizeInWords(text.size());
    return {};
}

std::uint32_t MessagesFile::fingerprint(std::string_view bytes)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}
