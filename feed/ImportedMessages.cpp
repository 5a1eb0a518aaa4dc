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
    // Settled before the old messages go, which may be the texts that tell windows-1252.
    ProjectEncoding::Kind settled = ProjectEncoding::of(record);
    if (!append)
        record.clearMessages();
    if (settled == ProjectEncoding::Windows1252) {
        std::vector<Message> encoded;
        for (const Message& message : messages)
            if (auto converted = inWindows1252(message))
                encoded.push_back(std::move(*converted));
        if (encoded.size() != messages.size()) {
            ProjectEncoding::convertToUtf8(record, settled);
            settled = ProjectEncoding::Utf8;
        } else {
            messages = std::move(encoded);
        }
    }
    record.reserveMessages(record.messageCount() + static_cast<int>(messages.size()));
    for (Message& message : messages)
        record.appendMessage(std::move(message));
    ProjectEncoding::keepSettled(record, settled);
}
