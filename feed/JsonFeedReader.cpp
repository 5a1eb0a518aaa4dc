#include "feed/JsonFeedReader.h"

#include "feed/FeedLink.h"
#include "feed/FeedPosition.h"

#include <map>
#include <nlohmann/json.hpp>
#include <optional>

using json = nlohmann::json;

namespace {

// Depths as the reader counts them: inside the feed object, inside "items", inside one item.
constexpr int feedDepth = 1;
constexpr int itemsDepth = 2;
constexpr int itemDepth = 3;

bool isBlank(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

// nlohmann-json's own words, without the position it gives in bytes.
std::string reasonOf(const std::exception& error)
{
    const std::string what = error.what();
    const std::size_t column = what.find("column ");
    const std::size_t reason = column == std::string::npos ? std::string::npos : what.find(": ", column);
    return reason == std::string::npos ? what : what.substr(reason + 2);
}

// Reads the feed as it is parsed, keeping only the strings the import uses, so no tree of the whole
// feed is built: its size and shape cost no more than its length.
class Reader : public json::json_sax_t
{
public:
    explicit Reader(std::size_t keep) : keep_(keep) {}

    std::optional<Error> error;
    bool isObject = false;
    std::map<std::string, std::string> feed;
    bool hasItems = false;
    std::vector<std::map<std::string, std::string>> items;
    std::size_t count = 0;
    // Where the parser stopped, as a byte count from 1, and why.
    std::size_t failedAt = 0;
    std::string failure;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool binary(binary_t&) override { return true; }

    bool string(string_t& value) override
    {
        if (depth_ == feedDepth && !inItems_)
            feed[key_] = std::move(value);
        else if (depth_ == itemDepth && inItem_ && count <= keep_)
            items.back()[key_] = std::move(value);
        return true;
    }

    bool key(string_t& name) override
    {
        if (depth_ == feedDepth || depth_ == itemDepth)
            key_ = std::move(name);
        return true;
    }

    bool start_object(std::size_t) override
    {
        if (depth_ == 0)
            isObject = true;
        if (depth_ == itemsDepth && inItems_ && !startItem())
            return false;
        return enter();
    }

    bool end_object() override { return leave(itemsDepth, inItem_); }

    bool start_array(std::size_t) override
    {
        if (depth_ == feedDepth && key_ == "items") {
            inItems_ = true;
            hasItems = true;
        }
        return enter();
    }

    bool end_array() override { return leave(feedDepth, inItems_); }

    bool parse_error(std::size_t position, const std::string&,
                     const nlohmann::detail::exception& problem) override
    {
        failedAt = position;
        failure = reasonOf(problem);
        return false;
    }

private:
    // Counts the item and keeps room for it if it is among the kept; false past the most a feed may hold.
    bool startItem()
    {
        if (++count > FeedItems::maxCount) {
            error =
                FeedPosition::of(1, 1).error("the feed has more than " + std::to_string(FeedItems::maxCount) +
                                             " items; larger feeds are not read");
            return false;
        }
        if (count <= keep_)
            items.emplace_back();
        inItem_ = true;
        return true;
    }

    bool enter()
    {
        ++depth_;
        return true;
    }

    // `inside` marks a container opened at depth `outer`; coming back to that depth leaves it.
    bool leave(int outer, bool& inside)
    {
        if (--depth_ == outer)
            inside = false;
        return true;
    }

    std::size_t keep_;
    int depth_ = 0;
    bool inItems_ = false;
    // Only an object directly in "items" is an item: an array or a value there holds nothing to keep.
    bool inItem_ = false;
    std::string key_;
};

std::string valueOf(const std::map<std::string, std::string>& object, const char* key)
{
    const auto found = object.find(key);
    return found == object.end() ? std::string() : found->second;
}

bool isJsonFeed(const Reader& reader)
{
    const std::string version = valueOf(reader.feed, "version");
    return reader.isObject && (version.starts_with("https://jsonfeed.org/version/") ||
                               version.starts_with("http://jsonfeed.org/version/"));
}

// A summary is the short text a feed means for lists like a news box; without one, the content.
FeedItem itemOf(const std::map<std::string, std::string>& item, const std::string& base)
{
    FeedItem read;
    read.title = valueOf(item, "title");
    if (const std::string summary = valueOf(item, "summary"); !isBlank(summary)) {
        read.text = summary;
    } else if (const std::string html = valueOf(item, "content_html"); !isBlank(html)) {
        read.text = html;
        read.textIsHtml = true;
    } else {
        read.text = valueOf(item, "content_text");
    }
    read.link = FeedLink::resolve(base, valueOf(item, "url"));
    if (read.link.empty())
        read.link = FeedLink::resolve(base, valueOf(item, "external_url"));
    return read;
}

} // namespace

Expected<FeedItems> JsonFeedReader::read(std::string_view text, std::size_t keep)
{
    Reader reader(keep);
    const bool parsed = json::sax_parse(text, &reader);
    if (reader.error)
        return *reader.error;
    if (!parsed)
        return FeedPosition::at(text, reader.failedAt == 0 ? 0 : reader.failedAt - 1)
            .error("the feed is not valid JSON: " + reader.failure);
    if (!isJsonFeed(reader))
        return FeedPosition::of(1, 1).error(
            "the JSON is not a JSON Feed: it has no \"version\" naming https://jsonfeed.org/version/1.1");
    if (!reader.hasItems)
        return FeedPosition::of(1, 1).error("the JSON Feed has no \"items\" array");
    std::string base = valueOf(reader.feed, "home_page_url");
    if (base.empty())
        base = valueOf(reader.feed, "feed_url");
    FeedItems read;
    read.count = reader.count;
    for (const auto& item : reader.items)
        read.kept.push_back(itemOf(item, base));
    return read;
}
