#include "feed/FeedImport.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

enum Format
{
    Rss,
    Atom,
    Json,
    Csv
};

// An item of ordinary length, with the markup and entities that real feeds put in descriptions.
std::string itemOf(Format format, int number)
{
    const std::string n = std::to_string(number);
    const std::string html = "<p>News item " + n +
                             " of the day, with <b>bold</b> and <a href=/a>a link</a>. "
                             "It goes on for a while so that the text is cut, as a real summary is.</p>";
    switch (format) {
    case Rss:
        return "<item><title>Item " + n + " &amp; more</title><link>https://example.org/news/" + n +
               "</link><description><![CDATA[" + html + "]]></description></item>\n";
    case Atom:
        return "<entry><title>Item " + n + "</title><link href=\"news/" + n +
               "\"/><summary type=\"html\">&lt;p&gt;News item " + n +
               " of the day, with &lt;b&gt;bold&lt;/b&gt;. It goes on for a while so that the text is cut, "
               "as a "
               "real summary is.&lt;/p&gt;</summary></entry>\n";
    case Json:
        return std::string(number == 0 ? "" : ",") + "{\"title\":\"Item " + n + "\",\"url\":\"news/" + n +
               "\",\"content_html\":\"" + html + "\"}\n";
    case Csv:
        return "Item " + n + ",\"" + html + "\",https://example.org/news/" + n + "\r\n";
    }
    return {};
}

std::string feedOf(Format format, int items)
{
    std::string feed;
    switch (format) {
    case Rss:
        feed = "<?xml version=\"1.0\"?><rss version=\"2.0\"><channel><link>https://example.org/</link>\n";
        break;
    case Atom:
        feed = "<feed xmlns=\"http://www.w3.org/2005/Atom\" xml:base=\"https://example.org/\">\n";
        break;
    case Json:
        feed = "{\"version\":\"https://jsonfeed.org/version/1.1\",\"home_page_url\":\"https://example.org/\","
               "\"items\":[\n";
        break;
    case Csv:
        feed = "title,text,link\r\n";
        break;
    }
    for (int i = 0; i < items; ++i)
        feed += itemOf(format, i);
    const char* ends[] = {"</channel></rss>\n", "</feed>\n", "]}\n", ""};
    return feed + ends[format];
}

// The first ten items of a feed of range(1) items, as the import's default keeps them.
void importFeed(benchmark::State& state)
{
    const std::string feed = feedOf(static_cast<Format>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        const auto read = FeedImport::read(feed, {});
        if (!read.ok() || read.value().messages.size() != 10)
            state.SkipWithError("the feed was not read");
        benchmark::DoNotOptimize(read.ok());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * feed.size()));
}

// What the Import dialog does on each option change: the feed was read once when the dialog opened, and
// its first range(1) items become messages with the new options. The text length changes each time, which
// costs the most, as every text is reduced again.
void changeOption(benchmark::State& state)
{
    const auto items = FeedImport::items(feedOf(Rss, 200'000));
    if (!items.ok()) {
        state.SkipWithError("the feed was not read");
        return;
    }
    FeedOptions options;
    options.maxItems = static_cast<int>(state.range(0));
    for (auto _ : state) {
        options.maxLength = options.maxLength == 200 ? 199 : 200;
        const auto made = FeedImport::messages(items.value(), options);
        if (!made.ok() || made.value().messages.size() != static_cast<std::size_t>(options.maxItems))
            state.SkipWithError("the messages were not made");
        benchmark::DoNotOptimize(made.ok());
    }
}

} // namespace

// 100 items is a site's ordinary feed; 200,000 comes close to the 64 MiB that a feed may hold.
BENCHMARK(importFeed)
    ->ArgNames({"format", "items"})
    ->ArgsProduct({{Rss, Atom, Json, Csv}, {100, 200'000}})
    ->Unit(benchmark::kMillisecond);
// The dialog's default of 10 items, a thousand, and all 200,000 of a 55 MiB feed.
BENCHMARK(changeOption)->ArgNames({"items"})->Arg(10)->Arg(1000)->Arg(200'000)->Unit(benchmark::kMillisecond);
