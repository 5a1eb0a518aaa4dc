#include "feed/JsonFeedReader.h"

#include "feed/FeedLink.h"
#include "feed/FeedPosition.h"
#include "feed/Utf8Repair.h"

#include <nlohmann/json.hpp>

using json = nlohmann::json;

namespace {

constexpr int rootDepth = 0;
constexpr int itemDepth = 2;

struct TooManyItems
{};

std::string stringAt(const json& object, const char* key)
{
    const auto found = object.find(key);
    return found != object.end() && found->is_string() ? found->get<std::string>() : std::string();
}

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

bool isJsonFeed(const json& feed)
{
    if (!feed.is_object())
        return false;
    const std::string version = stringAt(feed, "version");
    return version.starts_with("https://jsonfeed.org/version/") ||
           version.starts_with("http://jsonfeed.org/version/");
}

// A summary is the short text a feed means for lists like a news box; without one, the content.
FeedItem itemOf(const json& item, const std::string& base)
{
    FeedItem read;
    read.title = stringAt(item, "title");
    if (const std::string summary = stringAt(item, "summary"); !isBlank(summary)) {
        read.text = summary;
    } else if (const std::string html = stringAt(item, "content_html"); !isBlank(html)) {
        read.text = html;
        read.textIsHtml = true;
    } else {
        read.text = stringAt(item, "content_text");
    }
    read.link = FeedLink::resolve(base, stringAt(item, "url"));
    if (read.link.empty())
        read.link = FeedLink::resolve(base, stringAt(item, "external_url"));
    return read;
}

// nlohmann-json's own words, without the position it gives in bytes.
std::string reasonOf(const json::parse_error& error)
{
    const std::string what = error.what();
    const std::size_t column = what.find("column ");
    const std::size_t reason = column == std::string::npos ? std::string::npos : what.find(": ", column);
    return reason == std::string::npos ? what : what.substr(reason + 2);
}

} // namespace

Expected<FeedItems> JsonFeedReader::read(std::string_view bytes, std::size_t keep)
{
    // nlohmann-json refuses malformed UTF-8 in a string; it is replaced instead, as elsewhere in the import.
    const std::string text = Utf8Repair::repaired(bytes);
    std::string lastRootKey;
    bool inItems = false;
    std::size_t count = 0;
    const auto keepFirstItems = [&](int depth, json::parse_event_t event, json& parsed) {
        using Event = json::parse_event_t;
        if (depth == rootDepth + 1 && event == Event::key)
            lastRootKey = parsed.get<std::string>();
        else if (depth == rootDepth + 1 && event == Event::array_start)
            inItems = lastRootKey == "items";
        else if (depth == rootDepth + 1 && event == Event::array_end)
            inItems = false;
        else if (inItems && depth == itemDepth && event == Event::object_end) {
            if (++count > FeedItems::maxCount)
                throw TooManyItems{};
            return count <= keep;
        }
        return true;
    };
    json feed;
    try {
        feed = json::parse(text, keepFirstItems);
    } catch (const json::parse_error& error) {
        return FeedPosition::at(text, error.byte == 0 ? 0 : error.byte - 1)
            .error("the feed is not valid JSON: " + reasonOf(error));
    } catch (const TooManyItems&) {
        return FeedPosition::of(1, 1).error("the feed has more than " + std::to_string(FeedItems::maxCount) +
                                            " items; larger feeds are not read");
    }
    if (!isJsonFeed(feed))
        return FeedPosition::of(1, 1).error(
            "the JSON is not a JSON Feed: it has no \"version\" naming https://jsonfeed.org/version/1.1");
    const auto items = feed.find("items");
    if (items == feed.end() || !items->is_array())
        return FeedPosition::of(1, 1).error("the JSON Feed has no \"items\" array");
    std::string base = stringAt(feed, "home_page_url");
    if (base.empty())
        base = stringAt(feed, "feed_url");
    FeedItems read;
    read.count = count;
    for (const json& item : *items)
        if (item.is_object())
            read.kept.push_back(itemOf(item, base));
    return read;
}
