#include "feed/FeedEncoding.h"

#include "feed/FeedImport.h"

#include <gtest/gtest.h>

namespace {

using namespace std::string_literals;

// UTF-16 written by hand from the code points: a character above U+FFFF as its surrogate pair.
std::string utf16(std::u32string_view text, bool little)
{
    std::string bytes;
    const auto unit = [&](char32_t u) {
        const char high = static_cast<char>(u >> 8);
        const char low = static_cast<char>(u & 0xFF);
        bytes += little ? std::string{low, high} : std::string{high, low};
    };
    for (char32_t c : text) {
        if (c >= 0x10000) {
            unit(0xD800 + ((c - 0x10000) >> 10));
            unit(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            unit(c);
        }
    }
    return bytes;
}

std::string littleEndian(std::u32string_view text)
{
    return "\xFF\xFE" + utf16(text, true);
}

std::string bigEndian(std::u32string_view text)
{
    return "\xFE\xFF" + utf16(text, false);
}

const std::u32string jsonFeed =
    U"{\"version\":\"https://jsonfeed.org/version/1.1\",\"items\":[{\"title\":\"Caf\u00E9 \U0001F600\","
    U"\"content_text\":\"\u65E5\u672C\"}]}";
const std::u32string csvFeed = U"title,text\r\nCaf\u00E9 \U0001F600,\u65E5\u672C\r\n";
const std::u32string xmlFeed =
    U"<?xml version=\"1.0\" encoding=\"UTF-16\"?><rss><channel><item><title>Caf\u00E9 "
    U"\U0001F600</title><description>\u65E5\u672C</description></item></channel></rss>";

} // namespace

// Windows tools write CSV and JSON in UTF-16 with a byte-order mark; XML may leave the mark out, its "<"
// telling the byte order. Each format reads the same message from each encoding.
TEST(FeedEncoding, EveryFormatIsReadFromUtf16InEitherByteOrder)
{
    const Message expected{"Caf\u00E9 \U0001F600", "\u65E5\u672C", "", "_blank"};
    const struct
    {
        const char* name;
        std::string feed;
    } cases[] = {
        {"JSON Feed, little-endian", littleEndian(jsonFeed)},
        {"JSON Feed, big-endian", bigEndian(jsonFeed)},
        {"CSV, little-endian", littleEndian(csvFeed)},
        {"CSV, big-endian", bigEndian(csvFeed)},
        {"RSS declaring UTF-16, little-endian", littleEndian(xmlFeed)},
        {"RSS declaring UTF-16, big-endian", bigEndian(xmlFeed)},
        {"RSS without a mark, little-endian", utf16(xmlFeed, true)},
        {"RSS without a mark, big-endian", utf16(xmlFeed, false)},
        {"JSON Feed without a mark, little-endian", utf16(jsonFeed, true)},
        {"CSV without a mark, big-endian", utf16(csvFeed, false)},
    };
    for (const auto& c : cases) {
        const auto read = FeedImport::read(c.feed, {});
        ASSERT_TRUE(read.ok()) << c.name << ": " << read.error().message();
        ASSERT_EQ(read.value().messages.size(), 1u) << c.name;
        EXPECT_EQ(read.value().messages[0], expected) << c.name;
    }
}

// What the door gives every reader: UTF-8, whatever came in.
TEST(FeedEncoding, BytesBecomeUtf8OnceAtTheDoor)
{
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBFplain caf\xC3\xA9", "plain caf\u00E9"},
        {"\xEF\xBB\xBF"
         "caf\xC3 end",
         "caf\uFFFD end"},
        // A lone surrogate in either place, and a last byte without its pair.
        {"\xFF\xFE"
         "a\0\x00\xD8"
         "b\0"s,
         "a\uFFFDb"},
        {"\xFF\xFE"
         "a\0\x00\xDC"
         "b\0"s,
         "a\uFFFDb"},
        {"\xFE\xFF\0a\0"s, "a\uFFFD"},
        {"<?xml version='1.0' encoding='windows-1252'?><a>\x80\xE9</a>",
         "<?xml version='1.0' encoding='windows-1252'?><a>\u20AC\u00E9</a>"},
        // Labelled ISO-8859-1, such bytes are meant as windows-1252, as browsers read them.
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\x93q\x94</a>",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a>\u201Cq\u201D</a>"},
        {"<?xml version=\"1.0\" encoding=\"utf-16\"?><a>\xC3\xA9</a>",
         "<?xml version=\"1.0\" encoding=\"utf-16\"?><a>\u00E9</a>"},
    };
    for (const auto& [bytes, expected] : cases) {
        const auto text = FeedEncoding::utf8Of(bytes);
        ASSERT_TRUE(text.ok()) << text.error().message();
        EXPECT_EQ(text.value(), expected);
    }
}

TEST(FeedEncoding, AnEncodingTheImportDoesNotReadIsRefusedWhereItIsNamed)
{
    const auto read = FeedImport::read("<?xml version=\"1.0\"\r\n encoding=\"KOI8-R\"?><rss/>", {});
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(
        read.error().message(),
        "line 2, column 12: the feed names its encoding \"koi8-r\", which the import does not read; a feed "
        "may be UTF-8, UTF-16, windows-1252 or ISO-8859-1");
}
