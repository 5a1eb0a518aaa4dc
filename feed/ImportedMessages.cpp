#include "feed/ImportedMessages.h"

#include "project/ProjectEncoding.h"
#include "project/TextEncoding.h"

#include <optional>

namespace {

std::optional<std::string> inWindows1252(const std::string& utf8)
{
    return TextEncoding::encodeWindows1252(TextEncoding::decodeUtf8(utf8));
}

// The message in windows-1252, or nothing when one of its characters has no byte there.
std::optional<Message> inWindows1252(const Message& message)
{
    auto title = inWindows1252(message.title);
    auto text = inWindows1252(message.text);
    auto link = inWindows1252(message.link);
    auto target = inWindows1252(message.target);
    if (!title || !text || !link || !target)
        return std::nullopt;
    return Message{std::move(*title), std::move(*text), std::move(*link), std::move(*target)};
}

} // namespace

void ImportedMessages::put(ProjectRecord& record, std::vector<Message> messages, bool append)
{
    if (!append)
        record.clearMessages();
    if (ProjectEncoding::of(record) == ProjectEncoding::Windows1252) {
        std::vector<Message> encoded;
        for (const Message& message : messages)
            if (auto converted = inWindows1252(message))
                encoded.push_back(std::move(*converted));
        if (encoded.size() == messages.size())
            messages = std::move(encoded);
        else
            ProjectEncoding::convertToUtf8(record);
    }
    record.reserveMessages(record.messageCount() + static_cast<int>(messages.size()));
    for (Message& message : messages)
        record.appendMessage(std::move(message));
}
