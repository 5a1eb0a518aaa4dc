#include "project/IntegerText.h"

#include <gtest/gtest.h>
#include <limits>

TEST(IntegerText, ReadsTheLeadingNumberOfATypedText)
{
    const std::vector<std::pair<std::string, int>> cases = {
        {"180", 180},
        {"12px", 12},
        {" -3", -3},
        {"\t\r\n+7", 7},
        {"", 0},
        {"px12", 0},
        {"-", 0},
        {"- 3", 0},
        {"007", 7},
        {"3.9", 3},
        {"  42  x", 42},
        {"--1", 0},
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"99999999999999999999", std::numeric_limits<int>::max()},
        {"-99999999999999999999", std::numeric_limits<int>::min()},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(IntegerText::parse(text), expected) << '"' << text << '"';
}
