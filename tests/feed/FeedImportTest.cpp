#include "feed/FeedImport.h"

#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"

#include <gtest/gtest.h>

namespace {

std::vector<Message> imported(const std::string& sample, const FeedOptions& options = {})
{
    const auto read = FeedImport::read(readBytes(testData("feed/" + sample)), options);
    EXPECT_TRUE(read.ok()) << sample << ": " << read.error().message();
    return read.ok() ? read.value().messages : std::vector<Message>{};
}

void expectMessages(const std::vector<Message>& actual, const std::vector<Message>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].title, expected[i].title) << "message " << i + 1;
        EXPECT_EQ(actual[i].text, expected[i].text) << "message " << i + 1;
        EXPECT_EQ(actual[i].link, expected[i].link) << "message " << i + 1;
        EXPECT_EQ(actual[i].target, expected[i].target) << "message " << i + 1;
    }
}

} // namespace

// Each sample is written by hand; what a message holds is worked out from the format's rules: entities
// and CDATA decoded once by XML, descriptions read as HTML and reduced, links resolved against the
// channel's link or xml:base.
TEST(FeedImport, RssItemsBecomeMessagesInTheFeedsOrder)
{
    expectMessages(
        imported("harbour-rss.xml"),
        {{"Ferry timetable &amp; fares change",
          "From <b>Monday</b>, the ferry leaves at 7:15. Fares rise by 5\u00A0%.",
          "https://news.example.org/town/ferry.html", "_blank"},
         {"Caf\u00E9 opens on the pier", "Cr\u00EApes, <i>caf\u00E9</i> and more",
          "https://news.example.org/town/2026/cafe.html", "_blank"},
         {"", "A notice without a title.", "https://news.example.org/town/notice.html", "_blank"},
         {"מזח חדש נפתח", "הרציף החדש נפתח היום לציבור.", "https://news.example.org/he/pier.html", "_blank"},
         {"Regatta", "Boats race <em>at noon</em>.", "https://news.example.org/town/regatta", "_blank"}});
}

TEST(FeedImport, AtomEntriesFollowTheirTextTypesAndBase)
{
    expectMessages(
        imported("journal-atom.xml"),
        {{"New <em>release</em> 2.3", "It brings <strong>feeds</strong> &amp; more.",
          "https://blog.example.net/journal/2026/12/release", "_blank"},
         {"Plain &lt;title&gt; kept as text", "Line one<br>line two",
          "https://blog.example.net/journal/older", "_blank"},
         {"\u00DCberblick: Gr\u00FC\u00DFe aus K\u00F6ln", "Text with a backslash &#92; and \"quotes\"",
          "https://other.example.com/notes?id=3&lang=de", "_blank"},
         {"مرحبا بالعالم", "", "", "_blank"}});
}

TEST(FeedImport, JsonFeedItemsPreferTheSummaryAndSkipEmptyItems)
{
    expectMessages(imported("kitchen.json"),
                   {{"Bread &amp; &lt;butter&gt;", "Knead <b>ten</b> minutes.",
                     "https://kitchen.example.com/recipes/bread", "_blank"},
                    {"", "Soup in twenty minutes", "https://elsewhere.example.org/soup", "_blank"},
                    {"日本語のレシピ", "&lt;not markup&gt; &amp; more", "", "_blank"}});
}

// A row's target follows the editors' rule: "_self" would open the link inside the box, so it is "_parent".
TEST(FeedImport, CsvRowsKeepTheirTargetUnlessItCannotBeUsed)
{
    expectMessages(imported("shop.csv"),
                   {{"Sale, today only", "<b>Half</b> price on \"all\" hats<br>until six",
                     "https://shop.example.com/sale", "_parent"},
                    {"No link", "Just text", "", "_blank"},
                    {"Relative", "<u>kept</u>", "/relative/path", "_blank"}});
}

TEST(FeedImport, OptionsChooseHowManyItemsTheTargetAndTheLength)
{
    FeedOptions options;
    options.maxItems = 2;
    options.target = "news";
    options.maxLength = 20;
    // Both texts pass 20 characters ("From Monday, the fer", "Crêpes, café and mor"); each ends at the
    // last word boundary that leaves room for the ellipsis: after "the" (16) and after "and" (16).

    expectMessages(imported("harbour-rss.xml", options),
                   {{"Ferry timetable &amp; fares change", "From <b>Monday</b>, the\u2026",
                     "https://news.example.org/town/ferry.html", "news"},
                    {"Caf\u00E9 opens on the pier", "Cr\u00EApes, <i>caf\u00E9</i> and\u2026",
                     "https://news.example.org/town/2026/cafe.html", "news"}});
}

// The bytes alone tell the format, with or without a byte-order mark before them.
TEST(FeedImport, TheFormatIsToldByContentWithOrWithoutAByteOrderMark)
{
    for (const char* sample : {"harbour-rss.xml", "journal-atom.xml", "kitchen.json"}) {
        const std::string bytes = "\xEF\xBB\xBF" + readBytes(testData(std::string("feed/") + sample));
        const auto read = FeedImport::read(bytes, {});
        ASSERT_TRUE(read.ok()) << sample << ": " << read.error().message();
        EXPECT_EQ(read.value().messages, imported(sample)) << sample;
    }
    const std::string csv = readBytes(testData("feed/shop.csv"));
    ASSERT_TRUE(csv.starts_with("\xEF\xBB\xBF"));
    const auto withoutMark = FeedImport::read(csv.substr(3), {});
    ASSERT_TRUE(withoutMark.ok()) << withoutMark.error().message();
    EXPECT_EQ(withoutMark.value().messages, imported("shop.csv"));
}

TEST(FeedImport, UnusableOptionsAreWrongUsage)
{
    struct Case
    {
        FeedOptions options;
        std::string message;
    };
    const Case cases[] = {
        {{0, "_blank", 200}, "the number of messages must be from 1 to 1000000, not 0"},
        {{1000001, "_blank", 200}, "the number of messages must be from 1 to 1000000, not 1000001"},
        {{10, "_blank", 0}, "the length of a text must be at least 1 character, not 0"},
        {{10, "a'b", 200},
         "the target \"a'b\" holds a quote, backslash, angle bracket or control character, "
         "which the box's scripts cannot hold as they are"},
        {{10, "#%#qvo-x-accessiblebox=1", 200},
         "the target \"#%#qvo-x-accessiblebox=1\" holds \"qvo-x-accessiblebox=\", which the project file "
         "uses "
         "to mark a record"},
        {{10, "\t\x1B", 200},
         "the target \"\\x1B\" holds a quote, backslash, angle bracket or control character, which the box's "
         "scripts cannot hold as they are"},
        {{10, "x\\y", 200},
         "the target \"x\\y\" holds a quote, backslash, angle bracket or control character, "
         "which the box's scripts cannot hold as they are"},
    };
    for (const Case& c : cases) {
        const auto read = FeedImport::read("title\nx\n", c.options);
        ASSERT_FALSE(read.ok()) << c.message;
        EXPECT_EQ(read.error().code(), Error::WrongUsage);
        EXPECT_EQ(read.error().message(), c.message);
    }
}

// Only the feed's own members and its items' strings count, wherever else the same names appear, and the
// address that links resolve against may come after the items.
TEST(FeedImport, JsonFeedMembersAreFoundWhereverTheyStand)
{
    const std::string feed =
        R"({"items": [["before any item"], {"title": "a", "more": {"title": "not this", "url": "x/y"}},
                                          5, "text", null, [{"title": "nor this"}],
                                          {"url": "p/q", "content_text": "b", "title": 7}, ["nor this"]],
                                "other": [0, {"title": "nor this"}, {"items": [{"title": "nor this"}]}],
                                "home_page_url": "https://h.example/d/",
                                "version": "https://jsonfeed.org/version/1"})";
    const auto read = FeedImport::read(feed, {});
    ASSERT_TRUE(read.ok()) << read.error().message();
    expectMessages(read.value().messages,
                   {{"a", "", "", "_blank"}, {"", "b", "https://h.example/d/p/q", "_blank"}});
}

// xml:base holds for the element that declares it and all within it, resolved against the one outside.
TEST(FeedImport, AtomBasesNestAndEndWithTheirElement)
{
    const std::string feed = R"(<feed xmlns="http://www.w3.org/2005/Atom" xml:base="https://a.example/x/">
        <entry xml:base="y/"><title>one</title><link href="z"/></entry>
        <entry><title>two</title><link href="w"/></entry>
        <entry><title xml:base="https://other.example/">three</title><link href="v"/></entry></feed>)";
    const auto read = FeedImport::read(feed, {});
    ASSERT_TRUE(read.ok()) << read.error().message();
    expectMessages(read.value().messages, {{"one", "", "https://a.example/x/y/z", "_blank"},
                                           {"two", "", "https://a.example/x/w", "_blank"},
                                           {"three", "", "https://a.example/x/v", "_blank"}});
}

// CSV as spreadsheets write it: old ones end lines in CR alone, some end each line with a comma.
TEST(FeedImport, CsvLineEndsAndATrailingCommaInTheHeader)
{
    const struct
    {
        const char* name;
        std::string feed;
    } cases[] = {
        {"CR line ends", "title,text\rone,1\r\"t,wo\",\"2\r2\"\r"},
        {"a trailing comma in every line", "title,text,\r\none,1,\r\n\"t,wo\",\"2\r2\",\r\n"},
        {"a trailing comma in the header only", "title,text,\none,1\n\"t,wo\",\"2\r2\"\n"},
    };
    for (const auto& c : cases) {
        const auto read = FeedImport::read(c.feed, {});
        ASSERT_TRUE(read.ok()) << c.name << ": " << read.error().message();
        expectMessages(read.value().messages, {{"one", "1", "", "_blank"}, {"t,wo", "2 2", "", "_blank"}});
    }
}

// The target of the options follows the message editors' rule, and an empty one is the import's default.
TEST(FeedImport, TheTargetFollowsTheEditorsRule)
{
    const std::pair<std::string, std::string> cases[] = {
        {"  _self\t", "_parent"}, {"", "_blank"}, {" ", "_blank"}, {" news ", "news"}, {"_SELF", "_parent"}};
    for (const auto& [typed, stored] : cases) {
        const auto read = FeedImport::read("title\nx\n", {10, typed, 200});
        ASSERT_TRUE(read.ok()) << read.error().message();
        ASSERT_EQ(read.value().messages.size(), 1u);
        EXPECT_EQ(read.value().messages[0].target, stored) << typed;
    }
}

// A text read only up to its 2000th start tag is cut visibly, and the warning names its item.
TEST(FeedImport, ATextCutAtTheNestingBoundIsReportedWithItsItem)
{
    std::string nested;
    for (int i = 0; i < 2001; ++i)
        nested += "&lt;span&gt;";
    const std::string feed = "<rss><channel><item><title>fine</title></item><item><title>deep</title>"
                             "<description>words " +
                             nested + "hidden</description></item></channel></rss>";
    const auto read = FeedImport::read(feed, {});
    ASSERT_TRUE(read.ok()) << read.error().message();
    expectMessages(read.value().messages,
                   {{"fine", "", "", "_blank"}, {"deep", "words\u2026", "", "_blank"}});
    EXPECT_EQ(read.value().warnings,
              std::vector<std::string>{
                  "item 2: its text is read only up to its 2000th element or first MiB and ends "
                  "with an ellipsis"});
}
