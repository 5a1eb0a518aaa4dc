#include "feed/FeedImport.h"

#include <gtest/gtest.h>
#include <string>

namespace {

struct RefusedCase
{
    std::string name;
    std::string feed;
    // The whole message, or its start where the parser's own words follow.
    std::string message;
};

std::string repeated(const std::string& part, std::size_t times)
{
    std::string all;
    all.reserve(part.size() * times);
    for (std::size_t i = 0; i < times; ++i)
        all += part;
    return all;
}

std::string rssWith(const std::string& items)
{
    return "<rss version=\"2.0\"><channel>" + items + "</channel></rss>";
}

std::string jsonFeedWith(const std::string& items)
{
    return "{\"version\":\"https://jsonfeed.org/version/1.1\",\"items\":[" + items + "]}";
}

const std::string doctypeRefused = "a document type declaration (<!DOCTYPE) is refused in a feed";

} // namespace

// Feeds are untrusted: declarations that expand entities or read other files never get as far as being
// parsed, and each refusal says where it is.
TEST(HostileFeed, DangerousOrBrokenFeedsAreRefusedWithTheirPlace)
{
    const RefusedCase cases[] = {
        {"billion laughs",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE lolz [\n <!ENTITY lol \"lol\">\n"
         " <!ENTITY lol2 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
         " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n]>\n"
         "<rss><channel><item><title>&lol3;</title></item></channel></rss>",
         "line 2, column "},
        {"external entity",
         "<!DOCTYPE rss [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]>\n"
         "<rss><channel><item><title>&secret;</title></item></channel></rss>",
         "line 1, column "},
        {"external DTD", "<!DOCTYPE rss SYSTEM \"http://evil.example/rss.dtd\"><rss/>", "line 1, column "},
        // Without a declaration, a named entity other than XML's five is not defined.
        {"undeclared entity", "<rss>\n<channel><item><title>&nbsp;</title>", "line 2, column 23: "},
        // expat points at the name in the end tag.
        {"mismatched tag", "<rss>\n<channel>\n  <item><title>a</titel>", "line 3, column 19: "},
        // Columns count characters, not bytes.
        {"mismatched tag after non-ASCII text", "<rss>\n<\u00E9>\u00FC</y>", "line 2, column 7: "},
        {"CSV quote after non-ASCII text", "title,text\n\u00FC,\"a\"b\n",
         "line 2, column 6: a closing quote must be followed by a comma or the end of the line"},
        {"unclosed document", "<rss><channel>", "line 1, column 15: "},
        {"not a feed", "<html><body>news</body></html>",
         "line 1, column 1: the root element <html> is neither an RSS 2.0 <rss> nor an Atom 1.0 <feed>"},
        {"Atom element outside its namespace", "<feed><entry/></feed>",
         "line 1, column 1: the root element <feed> is neither an RSS 2.0 <rss> nor an Atom 1.0 <feed>"},
        {"broken JSON", "{\"version\":\n  tru}", "line 2, column 6: the feed is not valid JSON: "},
        {"JSON that is not a feed", "{\"items\": []}",
         "line 1, column 1: the JSON is not a JSON Feed: it has no \"version\" naming "
         "https://jsonfeed.org/version/1.1"},
        {"JSON array", "[{\"title\": \"x\"}]",
         "line 1, column 1: the JSON is not a JSON Feed: it has no \"version\" naming "
         "https://jsonfeed.org/version/1.1"},
        {"JSON Feed without items", "{\"version\": \"https://jsonfeed.org/version/1.1\"}",
         "line 1, column 1: the JSON Feed has no \"items\" array"},
        {"empty", " \r\n\t", "line 1, column 1: the feed is empty"},
        {"CSV with an unknown column", "title,body\nx,y\n",
         "line 1, column 7: the header names a column \"body\"; the columns are title, text, link and "
         "target, "
         "in any order"},
        {"CSV naming a column twice", "text,link,Text\n",
         "line 1, column 11: the header names the column text twice"},
        {"CSV without title or text", "link,target\n",
         "line 1, column 1: the header names neither a title nor a text column"},
        {"CSV quote inside a field", "title,text\nsay \"hi\",x\n",
         "line 2, column 5: a quote inside a field that does not start with one; put the whole field in "
         "quotes "
         "and double the quote"},
        {"CSV unclosed quote", "title,text\nx,\"never\nclosed\n",
         "line 2, column 3: the quoted field that starts here has no closing quote"},
        {"CSV text after a closing quote", "title,text\n\"a\"b,c\n",
         "line 2, column 4: a closing quote must be followed by a comma or the end of the line"},
        {"CSV row with too many fields", "title,text\r\na,b\r\nc,d,e\r\n",
         "line 3, column 1: the row has more than 2 fields where the header has 2"},
        {"CSV header naming a column with a line break", "title,\"te\rxt\"\n",
         "line 1, column 7: the header names a column \"te\\rxt\"; the columns are title, text, link and "
         "target, "
         "in any order"},
        {"CSV row with too few fields after CR line ends", "title,text\ra,b\rc\r",
         "line 3, column 1: the row has 1 field where the header has 2"},
        {"CSV row with too few fields", "title,text\r\na,b\r\nc\r\nd,e\r\n",
         "line 3, column 1: the row has 1 field where the header has 2"},
        {"CSV header with too many columns", "title,text,link,target,title\n",
         "line 1, column 1: the header has more than 4 columns; the columns are title, text, link and "
         "target, "
         "in any order"},
        {"CSV row of 60 million commas", "title\n" + std::string(60'000'000, ','),
         "line 2, column 1: the row has more than 1 field where the header has 1"},
        {"more than 64 MiB", std::string(64 * 1024 * 1024 + 1, ' '),
         "the feed holds more than 67108864 bytes (64 MiB); larger feeds are not read"},
        {"RSS with more than a million items", rssWith(repeated("<item/>", 1'000'001)), "line 1, column "},
        {"JSON Feed with more than a million items", jsonFeedWith(repeated("{},", 1'000'000) + "{}"),
         "line 1, column 1: the feed has more than 1000000 items; larger feeds are not read"},
        {"CSV with more than a million rows", "title\n" + repeated("t\n", 1'000'001),
         "line 1000002, column 1: the file has more than 1000000 rows; larger files are not read"},
    };
    for (const RefusedCase& c : cases) {
        const auto read = FeedImport::read(c.feed, {});
        ASSERT_FALSE(read.ok()) << c.name;
        EXPECT_EQ(read.error().message().substr(0, c.message.size()), c.message)
            << c.name << ": " << read.error().message();
        EXPECT_NE(read.error().code(), Error::WrongUsage) << c.name;
    }
}

TEST(HostileFeed, DeclarationsAreRefusedBeforeAnyEntityIsRead)
{
    for (const char* feed : {"<!DOCTYPE rss [<!ENTITY a \"b\">]><rss/>", "<!DOCTYPE rss><rss/>",
                             "<?xml version=\"1.0\"?><!DOCTYPE rss PUBLIC \"-//x//y\" \"z.dtd\"><rss/>"}) {
        const auto read = FeedImport::read(feed, {});
        ASSERT_FALSE(read.ok()) << feed;
        EXPECT_NE(read.error().message().find(doctypeRefused), std::string::npos) << read.error().message();
    }
}

// A million items is the most a feed may hold, whatever the format; only the first few are kept.
TEST(HostileFeed, AMillionItemsAreReadAndTheFirstKept)
{
    FeedOptions two;
    two.maxItems = 2;
    const std::string feeds[] = {
        rssWith("<item><title>first</title></item><item><title>second</title></item>" +
                repeated("<item><title>later</title></item>", 999'998)),
        jsonFeedWith("{\"title\":\"first\"},{\"title\":\"second\"}" +
                     repeated(",{\"title\":\"later\"}", 999'998)),
        "title\nfirst\nsecond\n" + repeated("later\n", 999'998),
    };
    for (const std::string& feed : feeds) {
        const auto read = FeedImport::read(feed, two);
        ASSERT_TRUE(read.ok()) << read.error().message();
        ASSERT_EQ(read.value().messages.size(), 2u);
        EXPECT_EQ(read.value().messages[0].title, "first");
        EXPECT_EQ(read.value().messages[1].title, "second");
    }
}

// Bytes that are not UTF-8 become replacement characters in every format, so no message carries them on.
TEST(HostileFeed, MalformedUtf8IsReplaced)
{
    const std::string feeds[] = {
        rssWith("<item><title>caf\xC3 \xFF end</title></item>"),
        jsonFeedWith("{\"title\":\"caf\xC3 \xFF end\"}"),
        "title\ncaf\xC3 \xFF end\n",
        "<feed xmlns=\"http://www.w3.org/2005/Atom\"><entry><title>caf\xC3 \xFF end</title></entry></feed>",
    };
    for (const std::string& feed : feeds) {
        const auto read = FeedImport::read(feed, {});
        ASSERT_TRUE(read.ok()) << read.error().message();
        ASSERT_EQ(read.value().messages.size(), 1u);
        EXPECT_EQ(read.value().messages[0].title, "caf\uFFFD \uFFFD end");
    }
}

// An 8-bit feed that says it is windows-1252 or ISO-8859-1 is read in that encoding.
TEST(HostileFeed, DeclaredEightBitEncodingsAreRead)
{
    const std::pair<std::string, std::string> cases[] = {
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?><rss><channel><item><title>\x80 caf\xE9 \x93q\x94"
         "</title></item></channel></rss>",
         "\u20AC caf\u00E9 \u201Cq\u201D"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><rss><channel><item><title>caf\xE9</title></item>"
         "</channel></rss>",
         "caf\u00E9"},
    };
    for (const auto& [feed, title] : cases) {
        const auto read = FeedImport::read(feed, {});
        ASSERT_TRUE(read.ok()) << read.error().message();
        ASSERT_EQ(read.value().messages.size(), 1u);
        EXPECT_EQ(read.value().messages[0].title, title);
    }
}
