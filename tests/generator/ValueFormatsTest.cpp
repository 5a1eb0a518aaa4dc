#include "generator/ValueFormats.h"

#include "generator/TextReplace.h"

#include <gtest/gtest.h>

TEST(ValueFormats, PausesFollowTheTextAndTheSpeedAllowance)
{
    struct Case
    {
        std::string pause;
        int speed;
        std::string standards, milliseconds, ie;
    };
    const std::vector<Case> cases = {
        {"3", 1, "3000", "3000", "4000"},   {"", 0, "000", "0", "2000"},
        {"02", 2, "2000", "2000", "2600"},  {"2", 3, "2000", "2000", "2400"},
        {"5", 7, "5000", "5000", "0"},      {"5", -1, "5000", "5000", "0"},
        {"3s", 1, "3s000", "3000", "4000"}, {"3000000", 1, "3000000000", "3000000000", "3000001000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("pause \"" + c.pause + "\" speed " + std::to_string(c.speed));
        EXPECT_EQ(ValueFormats::standardsPause(c.pause), c.standards);
        EXPECT_EQ(ValueFormats::pauseMilliseconds(c.pause), c.milliseconds);
        EXPECT_EQ(ValueFormats::iePause(c.pause, c.speed), c.ie);
    }
}

TEST(ValueFormats, NumbersLoseTheirLeadingZerosAndOtherTextStaysAsTyped)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"02", "2"},      {"040", "40"},    {"010", "10"},        {"0", "0"},       {"000", "0"},
        {"180", "180"},   {"100", "100"},   {"-010", "-10"},      {"+07", "+7"},    {" 08", " 8"},
        {"007px", "7px"}, {"0.5", "0.5"},   {"00.5", "0.5"},      {"0x1F", "0x1F"}, {"", ""},
        {"abc", "abc"},   {"a010", "a010"}, {"10 010", "10 010"},
    };
    for (const auto& [typed, written] : cases)
        EXPECT_EQ(ValueFormats::number(typed), written) << "\"" << typed << "\"";
}

TEST(ValueFormats, ColoursAndWords)
{
    EXPECT_EQ(ValueFormats::HexColor({255, 8, 0}), "FF0800");
    EXPECT_EQ(ValueFormats::HexColor({0, 128, 255}), "0080FF");
    EXPECT_EQ(ValueFormats::HexColor({4096, 0, -2}), "100000FFFFFFFE");

    EXPECT_EQ(ValueFormats::FontStyleWords(0).style + "/" + ValueFormats::FontStyleWords(0).weight,
              "normal/normal");
    EXPECT_EQ(ValueFormats::FontStyleWords(1).style + "/" + ValueFormats::FontStyleWords(1).weight,
              "normal/bold");
    EXPECT_EQ(ValueFormats::FontStyleWords(2).style + "/" + ValueFormats::FontStyleWords(2).weight,
              "italic/normal");
    EXPECT_EQ(ValueFormats::FontStyleWords(3).style + "/" + ValueFormats::FontStyleWords(3).weight,
              "italic/bold");
    EXPECT_EQ(ValueFormats::FontStyleWords(9).style + "/" + ValueFormats::FontStyleWords(-1).weight, "/");

    EXPECT_EQ(ValueFormats::AlignWord(1), "center");
    EXPECT_EQ(ValueFormats::AlignWord(2), "right");
    EXPECT_EQ(ValueFormats::AlignWord(3), "");
    EXPECT_EQ(ValueFormats::DecorationWord(0), "none");
    EXPECT_EQ(ValueFormats::DecorationWord(2), "underline");
    EXPECT_EQ(ValueFormats::DecorationWord(-1), "underline");
    EXPECT_EQ(ValueFormats::bodyDecorationCode(0), "objd.style.textDecoration='none';");
    EXPECT_EQ(ValueFormats::titleDecorationCode(1), "objd2.style.textDecoration='underline';");
}

TEST(TextReplace, BoundedReplacementRestartsFromTheStartAndStopsAfter201)
{
    std::string text = "a-b-c";
    TextReplace::ReplaceBounded(text, "-", "+");
    EXPECT_EQ(text, "a+b+c");

    std::string many(250, 'x');
    TextReplace::ReplaceBounded(many, "x", "y");
    EXPECT_EQ(many, std::string(201, 'y') + std::string(49, 'x'));

    std::string selfContaining = "[T]";
    TextReplace::ReplaceBounded(selfContaining, "T", "TT");
    EXPECT_EQ(selfContaining, "[" + std::string(202, 'T') + "]");

    std::string unchanged = "nothing here";
    TextReplace::ReplaceBounded(unchanged, "token", "value");
    EXPECT_EQ(unchanged, "nothing here");
}

TEST(TextReplace, ReplaceAllNeverSearchesWhatItInserted)
{
    std::string text = "\r\n\r\n\t\r\r\nx\n";
    TextReplace::replaceAll(text, "\r\n", "");
    EXPECT_EQ(text, "\t\rx\n");
    std::string grow = "aaa";
    TextReplace::replaceAll(grow, "a", "aa");
    EXPECT_EQ(grow, "aaaaaa");
}
