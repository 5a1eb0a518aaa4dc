#include "project/FileNames.h"

#include <gtest/gtest.h>
#include <string>

TEST(FileNames, APlainNameHasNoFolderInIt)
{
    const struct
    {
        std::string name;
        bool plain;
        bool separator;
    } cases[] = {
        {"sky.jpg", true, false},     {"...", true, false},          {".sky", true, false},
        {"", false, false},           {".", false, false},           {"..", false, false},
        {"img/sky.jpg", false, true}, {"img\\sky.jpg", false, true}, {"/sky.jpg", false, true},
        {"../sky.jpg", false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNames::isPlain(c.name), c.plain) << c.name;
        EXPECT_EQ(FileNames::holdsSeparator(c.name), c.separator) << c.name;
    }
}

TEST(FileNames, TheFirstUnportableCharacterIsFound)
{
    EXPECT_EQ(FileNames::firstUnportable("news box 'one' & two"), std::string::npos);
    EXPECT_EQ(FileNames::firstUnportable("caf\xe9_"), std::string::npos);
    EXPECT_EQ(FileNames::firstUnportable("news:box|x"), 4u);
    EXPECT_EQ(FileNames::firstUnportable("ab*"), 2u);
    EXPECT_EQ(FileNames::firstUnportable("a\"b"), 1u);
    EXPECT_EQ(FileNames::firstUnportable(std::string("a\x1f", 2)), 1u);
    EXPECT_EQ(FileNames::firstUnportable("\x7f"), 0u);
    EXPECT_EQ(FileNames::firstUnportable(std::string("a\0b", 3)), 1u);
    EXPECT_EQ(FileNames::firstUnportable("<a>"), 0u);
}
