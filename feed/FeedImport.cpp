#include "feed/FeedImport.h"

#include "feed/CsvFeedReader.h"
#include "feed/FeedPosition.h"
#include "feed/JsonFeedReader.h"
#include "feed/MessageText.h"
#include "feed/XmlFeedReader.h"
#include "project/Error.h"

namespace {

// The first character that is not a byte-order mark or whitespace tells the formats apart: markup starts
// with "<", JSON with "{" (or "[", which is JSON but no feed), and a CSV file with its header.
char firstCharacter(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    if (bytes.starts_with("\xFE\xFF") || bytes.starts_with("\xFF\xFE"))
        return '<';
    const std::size_t first = bytes.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? '\0' : bytes[first];
}

Expected<FeedItems> itemsOf(std::string_view bytes, std::size_t keep)
{
    switch (firstCharacter(bytes)) {
    case '\0':
        return FeedPosition::of(1, 1).error("the feed is empty");
    case '<':
        return XmlFeedReader::read(bytes, keep);
    case '{':
    case '[':
        return JsonFeedReader::read(bytes, keep);
    default:
        return CsvFeedReader::read(bytes, keep);
    }
}

Expected<void> checked(const FeedOptions& options)
{
    if (options.maxItems < 1 || static_cast<std::size_t>(options.maxItems) > FeedItems::maxCount)
        return Error::usage("the number of messages must be from 1 to " +
                            std::to_string(FeedItems::maxCount) + ", not " +
                            std::to_string(options.maxItems));
    if (options.maxLength < 1)
        return Error::usage("the length of a text must be at least 1 character, not " +
                            std::to_string(options.maxLength));
    return {};
}

Message messageOf(const FeedItem& item, const FeedOptions& options)
{
    const auto reduced = [](const std::string& text, bool html, int length) {
        return html ? MessageText::fromHtml(text, length) : MessageText::fromPlain(text, length);
    };
    return {reduced(item.title, item.titleIsHtml, MessageText::unlimited),
            reduced(item.text, item.textIsHtml, options.maxLength), item.link,
            FeedImport::isSafeTarget(item.target) && !item.target.empty() ? item.target : options.target};
}

} // namespace

Expected<std::vector<Message>> FeedImport::read(std::string_view bytes, const FeedOptions& options)
{
    if (auto usable = checked(options); !usable.ok())
        return usable.error();
    if (!isSafeTarget(options.target))
        return Error::usage(badTargetReason(options.target));
    if (bytes.size() > maxBytes)
        return Error::refused("the feed holds more than " + Error::sizeInWords(maxBytes) +
                              "; larger feeds are not read");
    auto items = itemsOf(bytes, static_cast<std::size_t>(options.maxItems));
    if (!items.ok())
        return items.error();
    std::vector<Message> messages;
    for (const FeedItem& item : items.value().kept) {
        Message message = messageOf(item, options);
        if (!message.title.empty() || !message.text.empty() || !message.link.empty())
            messages.push_back(std::move(message));
    }
    return messages;
}

bool FeedImport::isSafeTarget(std::string_view target)
{
    for (char c : target) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '\\' || c == '\'' || c == '"' || c == '<' || c == '>')
            return false;
    }
    return true;
}

std::string FeedImport::badTargetReason(std::string_view target)
{
    return "the target \"" + std::string(target) +
           "\" holds a quote, backslash, angle bracket or control character, which the box's scripts cannot "
           "hold as they are";
}
