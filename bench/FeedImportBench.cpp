#include "feed/FeedImport.h"
#include "feed/FeedSelection.h"

#include <benchmark/benchmark.h>
#include <memory>
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
// what its first range(0) items give is known from the change before; the first five messages are made
// with the new options for the preview. The text length changes each time, which costs the most.
void changeOption(benchmark::State& state)
{
    auto items = FeedImport::items(feedOf(Rss, 200'000));
    if (!items.ok()) {
        state.SkipWithError("the feed was not read");
        return;
    }
    FeedSelection selection(std::move(items.value()));
    FeedOptions options;
    options.maxItems = static_cast<int>(state.range(0));
    selection.summary(static_cast<std::size_t>(options.maxItems));
    for (auto _ : state) {
        options.maxLength = options.maxLength == 200 ? 199 : 200;
        const auto shown = selection.firstMessages(options, 5);
        const auto summary = selection.summary(static_cast<std::size_t>(options.maxItems));
        if (!shown.ok() || shown.value().size() != 5 ||
            summary.messageCount != static_cast<std::size_t>(options.maxItems))
            state.SkipWithError("the messages were not made");
        benchmark::DoNotOptimize(summary.messageCount);
    }
}

// The first change that reaches range(0) items: what each of them gives is learnt, once.
void firstReach(benchmark::State& state)
{
    auto items = FeedImport::items(feedOf(Rss, 200'000));
    if (!items.ok()) {
        state.SkipWithError("the feed was not read");
        return;
    }
    // Made and dropped while the clock stands, as neither is part of the change.
    std::unique_ptr<FeedSelection> selection;
    for (auto _ : state) {
        state.PauseTiming();
        selection.reset();
        selection = std::make_unique<FeedSelection>(items.value());
        state.ResumeTiming();
        const auto summary = selection->summary(static_cast<std::size_t>(state.range(0)));
        if (summary.messageCount != static_cast<std::size_t>(state.range(0)))
            state.SkipWithError("the items were not learnt");
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
BENCHMARK(firstReach)->ArgNames({"items"})->Arg(1000)->Arg(200'000)->Unit(benchmark::kMillisecond);
