#include "generator/ScriptText.h"

#include <gtest/gtest.h>

namespace {

ProjectRecord utf8Design()
{
    ProjectRecord record;
    record.scrollerName = "Sch\xc3\xb6n";
    return record;
}

ProjectRecord windows1252Design()
{
    ProjectRecord record;
    record.scrollerName = "caf\xe9";
    return record;
}

struct Escaping
{
    std::string typed;
    std::string written;
};

} // namespace

TEST(ScriptText, AsciiPassesThroughAndEveryOtherCharacterBecomesAnEscape)
{
    const ProjectRecord utf8 = utf8Design();
    const ProjectRecord windows1252 = windows1252Design();
    const std::string ascii = "<b>&amp;</b> it's a\\tb ~";
    EXPECT_EQ(ScriptText(utf8).literalBody(ascii), ascii);
    EXPECT_EQ(ScriptText(windows1252).literalBody(ascii), ascii);

    EXPECT_EQ(
        ScriptText(utf8).literalBody("Sch\xc3\xb6n \xe2\x82\xac \xe6\x97\xa5 \xf0\x9f\x98\x80 \"q\"\r\n"),
        "Sch\\u00F6n \\u20AC \\u65E5 \\uD83D\\uDE00 \\\"q\\\"");
    EXPECT_EQ(ScriptText(windows1252).literalBody("caf\xe9 \x80 \x93q\x94 \xb6"),
              "caf\\u00E9 \\u20AC \\u201Cq\\u201D \\u00B6");
}

TEST(ScriptText, ValidEscapesStayAndBackslashesThatWouldBreakTheLiteralAreDoubled)
{
    const ProjectRecord record = utf8Design();
    const std::vector<Escaping> cases = {
        {"\\u00e9 \\n \\x41 \\\\ \\' \\t \\0 \\7 \\s \\u{1F600} \\u{10ffff}",
         "\\u00e9 \\n \\x41 \\\\ \\' \\t \\0 \\7 \\s \\u{1F600} \\u{10ffff}"},
        {"C:\\xampp", "C:\\\\xampp"},
        {"c:\\users", "c:\\\\users"},
        {"\\x4", "\\\\x4"},
        {"\\u12G4 \\u{} \\u{110000} \\u{12", "\\\\u12G4 \\\\u{} \\\\u{110000} \\\\u{12"},
        {"ends\\", "ends\\\\"},
        {"Say \\\"hi\\\" now", "Say \\\\\\\"hi\\\\\\\" now"},
        {"pair\\\\\"", "pair\\\\\\\""},
        {"three\\\\\\", "three\\\\\\\\"},
        {"\\\xc3\xa9", "\\\\\\u00E9"},
        {"line\\\r\nbreak", "line\\break"},
    };
    for (const Escaping& c : cases)
        EXPECT_EQ(ScriptText(record).literalBody(c.typed), c.written) << c.typed;
}

TEST(ScriptText, AFontFaceKeepsItsQuotesAsSingleQuotes)
{
    const ProjectRecord record = utf8Design();
    const std::vector<Escaping> cases = {
        {"\"Times New Roman\", serif", "'Times New Roman', serif"},
        {"'Gill Sans', Arial", "'Gill Sans', Arial"},
        {"a\\\"b", "a\\'b"},
        {"Font\\", "Font\\\\"},
        {"C:\\x\"", "C:\\\\x'"},
        {"Caf\xc3\xa9\r\n Sans", "Caf\\u00E9 Sans"},
    };
    for (const Escaping& c : cases)
        EXPECT_EQ(ScriptText(record).fontFace(c.typed), c.written) << c.typed;
}

TEST(ScriptText, FileNamesAreUtf8AndAddressesPercentEncodeWhatTheyCannotHold)
{
    const ProjectRecord utf8 = utf8Design();
    const ProjectRecord windows1252 = windows1252Design();
    EXPECT_EQ(ScriptText(utf8).fileName("sch\xc3\xb6n_"), "sch\xc3\xb6n_");
    EXPECT_EQ(ScriptText(windows1252).fileName("caf\xe9_"), "caf\xc3\xa9_");
    EXPECT_EQ(ScriptText(windows1252).fileName("plain_"), "plain_");

    EXPECT_EQ(ScriptText(utf8).address("sch\xc3\xb6n_"), "sch%C3%B6n_");
    EXPECT_EQ(ScriptText(windows1252).address("caf\xe9_"), "caf%C3%A9_");
    EXPECT_EQ(ScriptText(utf8).address("my sky (1)'s\".jpg"), "my%20sky%20%281%29%27s%22.jpg");
    EXPECT_EQ(ScriptText(utf8).address("a%b#c?d\\e"), "a%25b%23c%3Fd%5Ce");
    EXPECT_EQ(ScriptText(utf8).address("my:box_"), "my%3Abox_");
    EXPECT_EQ(ScriptText(utf8).address("news&amp;&lt_"), "news%26amp;%26lt_");
    for (const char* plain : {"scroller_", "tkbackground.jpg", "news-box.2_", "A~b+c,d;e=f@h!$*"})
        EXPECT_EQ(ScriptText(utf8).address(plain), plain);
}
