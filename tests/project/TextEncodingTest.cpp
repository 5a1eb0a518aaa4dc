#include "project/TextEncoding.h"

#include "project/ProjectEncoding.h"

#include <gtest/gtest.h>

TEST(TextEncoding, Windows1252RoundTripsEveryByte)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::u32string text = TextEncoding::decodeWindows1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x80], U'€');
    EXPECT_EQ(text[0x93], U'“');
    EXPECT_EQ(text[0x94], U'”');
    EXPECT_EQ(text[0x9F], U'Ÿ');
    for (int undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(text[static_cast<std::size_t>(undefined)], static_cast<char32_t>(undefined));
    EXPECT_EQ(text[0xE9], U'é');
    EXPECT_EQ(TextEncoding::encodeWindows1252(text), all);
    EXPECT_FALSE(TextEncoding::encodeWindows1252(U"日本"));
}

TEST(TextEncoding, RecognisesOnlyValidShortestFormUtf8)
{
    EXPECT_TRUE(TextEncoding::isUtf8("plain ASCII"));
    EXPECT_TRUE(TextEncoding::isUtf8("Sch\xc3\xb6n \xe2\x82\xac \xe6\x97\xa5 \xf0\x9f\x98\x80"));
    EXPECT_FALSE(TextEncoding::isUtf8("caf\xe9"));          // windows-1252 é
    EXPECT_FALSE(TextEncoding::isUtf8("\x93quoted\x94"));   // windows-1252 curly quotes
    EXPECT_FALSE(TextEncoding::isUtf8("\xc0\xaf"));         // overlong slash
    EXPECT_FALSE(TextEncoding::isUtf8("\xed\xa0\x80"));     // a surrogate
    EXPECT_FALSE(TextEncoding::isUtf8("\xe2\x82"));         // cut short
    EXPECT_FALSE(TextEncoding::isUtf8("\xf4\x90\x80\x80")); // beyond U+10FFFF
    EXPECT_EQ(TextEncoding::decodeUtf8("\xf0\x9f\x98\x80x"), U"😀x");
    EXPECT_EQ(TextEncoding::encodeUtf8(U"Schön € 日 😀"),
              "Sch\xc3\xb6n \xe2\x82\xac \xe6\x97\xa5 \xf0\x9f\x98\x80");
}

TEST(ProjectEncoding, ADesignIsUtf8OnlyWhenEveryTextIs)
{
    ProjectRecord record;
    record.scrollerName = "news";
    record.appendMessage({"Sch\xc3\xb6n", "ok", "", ""});
    EXPECT_EQ(ProjectEncoding::of(record), ProjectEncoding::Utf8);
    record.appendMessage({"", "", "", "caf\xe9"});
    EXPECT_EQ(ProjectEncoding::of(record), ProjectEncoding::Windows1252);
    ProjectRecord accentBeforeMoreText;
    accentBeforeMoreText.appendMessage({"caf\xe9 bar", "", "", ""});
    EXPECT_EQ(ProjectEncoding::of(accentBeforeMoreText), ProjectEncoding::Windows1252);

    ProjectRecord old;
    old.textCustomFont = "Caf\xe9 Sans";
    old.appendMessage({"\x93quoted\x94", "\x80 5", "", ""});
    ProjectEncoding::convertToUtf8(old);
    EXPECT_EQ(old.textCustomFont, "Caf\xc3\xa9 Sans");
    EXPECT_EQ(old.message(0).title, "\xe2\x80\x9cquoted\xe2\x80\x9d");
    EXPECT_EQ(old.message(0).text, "\xe2\x82\xac 5");
    EXPECT_EQ(ProjectEncoding::of(old), ProjectEncoding::Utf8);
}
