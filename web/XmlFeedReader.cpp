// XmlFeedReader in the browser edition: the browser's own XML parser reads RSS and Atom (the page's
// readXmlFeed, given to the module), after the document type declaration is refused here, as expat's
// reader refuses it in the native build.
#include "feed/XmlFeedReader.h"

#include "feed/FeedPosition.h"

#include <cstdlib>
#include <emscripten/emscripten.h>
#include <memory>
#include <nlohmann/json.hpp>

// A JSON text made with malloc: {"items": [...], "count": N}, or {"error": "...", "line": L, "column": C}.
// clang-format off
EM_JS(char*, readXmlFeedInBrowser, (const char* text, int keep), {
    const reader = Module["readXmlFeed"];
    const answer = reader ? reader(UTF8ToString(text), keep)
                          : { error: "XML feeds are read by the browser's own parser, which is missing here",
                              line: 1, column: 1 };
    const json = JSON.stringify(answer);
    const size = lengthBytesUTF8(json) + 1;
    const copy = _malloc(size);
    stringToUTF8(json, copy, size);
    return copy;
});
// clang-format on

namespace {

using nlohmann::json;

// The first "[" or ">" after `start` outside a quoted literal, or the end of the text.
std::size_t doctypeHeadEnd(std::string_view text, std::size_t start)
{
    char quote = 0;
    for (std::size_t at = start; at < text.size(); ++at) {
        const char c = text[at];
        if (quote != 0)
            quote = c == quote ? 0 : quote;
        else if (c == '"' || c == '\'')
            quote = c;
        else if (c == '[' || c == '>')
            return at;
    }
    return text.size();
}

// Where a document type declaration is, as expat reports it: where its internal subset opens, or else its
// end. Only white space, the XML declaration, comments and processing instructions come before it.
std::size_t doctypeAt(std::string_view text)
{
    std::size_t at = 0;
    while (true) {
        at = text.find_first_not_of(" \t\r\n", at);
        if (at == std::string_view::npos)
            return at;
        const std::string_view rest = text.substr(at);
        if (rest.starts_with("<!DOCTYPE"))
            return doctypeHeadEnd(text, at);
        const bool comment = rest.starts_with("<!--");
        if (!comment && !rest.starts_with("<?"))
            return std::string_view::npos;
        const std::string_view close = comment ? "-->" : "?>";
        const std::size_t end = text.find(close, at + 2);
        if (end == std::string_view::npos)
            return std::string_view::npos;
        at = end + close.size();
    }
}

std::string textOf(const json& item, const char* key)
{
    const auto found = item.find(key);
    return found != item.end() && found->is_string() ? found->get<std::string>() : std::string();
}

bool flagOf(const json& item, const char* key)
{
    const auto found = item.find(key);
    return found != item.end() && found->is_boolean() && found->get<bool>();
}

std::size_t numberOf(const json& answer, const char* key)
{
    const auto found = answer.find(key);
    return found != answer.end() && found->is_number_unsigned() ? found->get<std::size_t>() : 1;
}

} // namespace

Expected<FeedItems> XmlFeedReader::read(std::string_view text, std::size_t keep)
{
    if (const std::size_t at = doctypeAt(text); at != std::string_view::npos)
        return FeedPosition::at(text, at).error(
            "a document type declaration (<!DOCTYPE) is refused in a feed, as it can declare entities "
            "that expand without end or read other files");
    const std::string copy(text);
    const std::unique_ptr<char, decltype(&std::free)> answerText(
        readXmlFeedInBrowser(copy.c_str(),
                             static_cast<int>(std::min<std::size_t>(keep, FeedItems::maxCount))),
        &std::free);
    const json answer = json::parse(answerText.get(), nullptr, false);
    if (answer.is_discarded() || !answer.is_object())
        return FeedPosition::of(1, 1).error("the browser's XML reader gave no answer");
    if (answer.contains("error"))
        return FeedPosition::of(numberOf(answer, "line"), numberOf(answer, "column"))
            .error(textOf(answer, "error"));
    FeedItems items;
    items.count = numberOf(answer, "count");
    for (const json& item : answer.value("items", json::array()))
        items.kept.push_back({textOf(item, "title"),
                              flagOf(item, "titleIsHtml"),
                              textOf(item, "text"),
                              flagOf(item, "textIsHtml"),
                              textOf(item, "link"),
                              {}});
    return items;
}
