// The feed readers on any bytes: no crash or leak, and every message they give is one the box can hold:
// UTF-8, no longer than the chosen length, markup that stays inside its message, a link a click may
// follow, no record marker of the project file, and nothing the design check reports once the messages
// are in a design.
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "fuzz/FuzzCheck.h"
#include "generator/BuiltInTexts.h"
#include "generator/DesignCheck.h"
#include "generator/MarkupCheck.h"
#include "project/RecordMarkers.h"
#include "project/TextEncoding.h"

#include <set>
#include <string>

namespace {

// The characters a reader sees: tags left out, each character reference one character.
long shownLength(const std::string& html)
{
    const std::u32string text = TextEncoding::decodeUtf8(html);
    long length = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == U'<')
            at = text.find(U'>', at);
        else if (text[at] == U'&')
            at = text.find(U';', at), ++length;
        else
            ++length;
        if (at == std::u32string::npos)
            return -1;
    }
    return length;
}

bool onlyFormattingTags(const std::string& html)
{
    static const std::set<std::string> allowed{"b",     "strong", "i",   "em",   "u",   "s",
                                               "small", "sub",    "sup", "code", "mark"};
    for (std::size_t open = html.find('<'); open != std::string::npos; open = html.find('<', open + 1)) {
        const std::size_t close = html.find('>', open);
        if (close == std::string::npos)
            return false;
        std::string name = html.substr(open + 1, close - open - 1);
        if (name.starts_with("/"))
            name.erase(0, 1);
        else if (name == "br")
            continue;
        if (allowed.count(name) == 0)
            return false;
    }
    return true;
}

void requireHoldable(const Message& message, const FeedOptions& options)
{
    for (const std::string* text : {&message.title, &message.text, &message.link, &message.target})
        require(TextEncoding::isUtf8(*text), "every text is UTF-8", *text);
    for (const std::string* html : {&message.title, &message.text})
        require(MarkupCheck::of(*html).fault == MarkupCheck::Fault::None, "the markup stays in its message",
                *html);
    const long length = shownLength(message.text);
    require(length >= 0 && length <= options.maxLength, "the text is no longer than the chosen length",
            message.text);
    for (const std::string* html : {&message.title, &message.text})
        require(onlyFormattingTags(*html), "only formatting tags without attributes are left", *html);
    require(message.link.empty() || message.link.size() > 3, "a link is empty or one the box follows",
            message.link);
    require(message.link.find_first_of("'\"\\<> ") == std::string::npos,
            "a link holds no quote, backslash, angle bracket or space", message.link);
    require(message.link.rfind("javascript:", 0) != 0, "no javascript: link", message.link);
    for (const std::string* text : {&message.title, &message.text, &message.link, &message.target})
        require(!RecordMarkers::holdsKeyText(*text), "no value holds a record marker of the project file",
                *text);
}

void importWith(const std::string& feed, const FeedOptions& options)
{
    auto read = FeedImport::read(feed, options);
    if (!read.ok()) {
        require(read.error().message().rfind("line ", 0) == 0, "a refused feed says where",
                read.error().message());
        return;
    }
    const std::vector<Message>& messages = read.value().messages;
    require(messages.size() <= static_cast<std::size_t>(options.maxItems), "no more items than chosen");
    for (const Message& message : messages)
        requireHoldable(message, options);
    for (const std::string& warning : read.value().warnings)
        require(warning.rfind("item ", 0) == 0, "a warning names its item", warning);
    ProjectRecord design = readText(BuiltInTexts::defaultProject());
    ImportedMessages::put(design, std::move(read.value().messages), false);
    for (const DesignFinding& finding : DesignCheck::findings(design, "."))
        require(finding.message == 0, "the check finds nothing in an imported message", finding.text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string feed = inputText(data, size);
    importWith(feed, {});
    importWith(feed, {1000, "_top", 12});
    return 0;
}
