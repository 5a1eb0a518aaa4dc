#include "feed/FeedImport.h"

#include "feed/CsvFeedReader.h"
#include "feed/FeedEncoding.h"
#include "feed/FeedPosition.h"
#include "feed/JsonFeedReader.h"
#include "feed/MessageText.h"
#include "feed/XmlFeedReader.h"
#include "project/Error.h"
#include "project/FieldCharacters.h"
#include "project/MessageTarget.h"
#include "project/RecordMarkers.h"

#include <algorithm>
#include <optional>

namespace {

// The first character that is not whitespace tells the formats apart: markup starts with "<", JSON with
// "{" (or "[", which is JSON but no feed), and a CSV file with its header.
char firstCharacter(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first == std::string_view::npos ? '\0' : text[first];
}

Expected<FeedItems> itemsOf(std::string_view text, std::size_t keep)
{
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        return FeedPosition::at(text, nul).error(
            "the feed holds a NUL character, which no feed in an encoding that the import reads holds");
    switch (firstCharacter(text)) {
    case '\0':
        return FeedPosition::of(1, 1).error("the feed is empty");
    case '<':
        return XmlFeedReader::read(text, keep);
    case '{':
    case '[':
        return JsonFeedReader::read(text, keep);
    default:
        return CsvFeedReader::read(text, keep);
    }
}

std::string badTargetReason(std::string_view target)
{
    return "the target " + Error::quoted(target) +
           " holds a quote, backslash, angle bracket or control character, which the box's scripts cannot "
           "hold as they are";
}

std::string markerReason(const std::string& keyText)
{
    return "holds \"" + keyText + "\", which the project file uses to mark a record";
}

// The target of the options by the editors' rule; an empty one is where a feed's links open by default.
Expected<std::string> targetOf(const FeedOptions& options)
{
    std::string target = MessageTarget::byRule(options.target);
    if (target.empty())
        target = FeedOptions{}.target;
    if (!FeedImport::isSafeTarget(target))
        return Error::usage(badTargetReason(target));
    if (const auto keyText = RecordMarkers::keyTextIn(target))
        return Error::usage("the target " + Error::quoted(target) + " " + markerReason(*keyText));
    return target;
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

std::string itemName(std::size_t index)
{
    return "item " + std::to_string(index + 1) + ": ";
}

// Why an item cannot become a message: a link or target that the project file would read as one of its
// own records. Titles and texts are made inert instead, as they are shown rather than used.
std::optional<std::string> refusalOf(const FeedItem& item, std::size_t index)
{
    if (const auto keyText = RecordMarkers::keyTextIn(item.link))
        return itemName(index) + "its link " + markerReason(*keyText) + "; the item is left out";
    if (const auto keyText = RecordMarkers::keyTextIn(item.target))
        return itemName(index) + "its target " + markerReason(*keyText) + "; the item is left out";
    return std::nullopt;
}

void addCutWarnings(std::size_t index, bool titleCut, bool textCut, std::vector<std::string>& warnings)
{
    for (const auto& [what, cut] : {std::pair{"title", titleCut}, {"text", textCut}})
        if (cut)
            warnings.push_back(
                itemName(index) + "its " + what +
                " is read only up to its 2000th element or first MiB and ends with an ellipsis");
}

class MessageMaker
{
public:
    MessageMaker(const FeedOptions& options, std::string target)
        : maxLength_(options.maxLength), target_(std::move(target))
    {}

    Message make(const FeedItem& item, std::size_t index, std::vector<std::string>& warnings) const
    {
        const auto title = reduced(item.title, item.titleIsHtml, MessageText::unlimited);
        const auto text = reduced(item.text, item.textIsHtml, maxLength_);
        addCutWarnings(index, title.cutShort, text.cutShort, warnings);
        return {RecordMarkers::inertHtml(title.text), RecordMarkers::inertHtml(text.text), item.link,
                targetOf(item)};
    }

private:
    static MessageText::Reduced reduced(const std::string& text, bool html, int length)
    {
        return html ? MessageText::fromHtml(text, length) : MessageText::fromPlain(text, length);
    }

    // A row's own target follows the same rule as the options'; one the box cannot hold gives way to them.
    std::string targetOf(const FeedItem& item) const
    {
        std::string target = MessageTarget::byRule(item.target);
        return FeedImport::isSafeTarget(target) && !target.empty() ? target : target_;
    }

    int maxLength_;
    std::string target_;
};

} // namespace

Expected<FeedImport::Result> FeedImport::read(std::string_view bytes, const FeedOptions& options)
{
    if (auto usable = checked(options); !usable.ok())
        return usable.error();
    if (auto target = targetOf(options); !target.ok())
        return target.error();
    auto items = FeedImport::items(bytes, static_cast<std::size_t>(options.maxItems));
    if (!items.ok())
        return items.error();
    return messages(items.value(), options);
}

Expected<FeedItems> FeedImport::items(std::string_view bytes, std::size_t keep)
{
    if (bytes.size() > maxBytes)
        return Error::refused("the feed holds more than " + Error::sizeInWords(maxBytes) +
                              "; larger feeds are not read");
    auto text = FeedEncoding::utf8Of(bytes);
    if (!text.ok())
        return text.error();
    return itemsOf(text.value(), keep);
}

Expected<FeedImport::Result> FeedImport::messages(const FeedItems& items, const FeedOptions& options,
                                                  std::size_t from)
{
    if (auto usable = checked(options); !usable.ok())
        return usable.error();
    auto target = targetOf(options);
    if (!target.ok())
        return target.error();
    const MessageMaker maker(options, std::move(target.value()));
    Result result;
    const std::size_t count = std::min(items.kept.size(), static_cast<std::size_t>(options.maxItems));
    for (std::size_t i = from; i < count; ++i) {
        const FeedItem& item = items.kept[i];
        if (auto refusal = refusalOf(item, i)) {
            result.warnings.push_back(std::move(*refusal));
            continue;
        }
        Message message = maker.make(item, i, result.warnings);
        if (!message.title.empty() || !message.text.empty() || !message.link.empty())
            result.messages.push_back(std::move(message));
    }
    return result;
}

FeedImport::Notes FeedImport::notesOf(const FeedItem& item, std::size_t index)
{
    Notes notes;
    if (auto refusal = refusalOf(item, index)) {
        notes.leftOut = true;
        notes.warnings.push_back(std::move(*refusal));
        return notes;
    }
    addCutWarnings(index, MessageText::readsOnlyPart(item.title, item.titleIsHtml),
                   MessageText::readsOnlyPart(item.text, item.textIsHtml), notes.warnings);
    return notes;
}

bool FeedImport::isSafeTarget(std::string_view target)
{
    if (FieldCharacters::firstRefusedInUtf8(target, true))
        return false;
    return target.find_first_of("\\'\"<>") == std::string_view::npos;
}
