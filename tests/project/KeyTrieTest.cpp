#include "project/KeyTrie.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

// "link" lies on the way to "linktext", so "linktext" may not be a shortcut; "tmessage" may.
const std::vector<std::string_view> keys = {"width", "widthx", "link", "linktext", "tmessage", "tmessage_to"};
const std::vector<std::size_t> shortcuts = {3, 4};

using Found = std::vector<std::pair<std::string, std::size_t>>;

Found foundAt(const KeyTrie& trie, std::string_view text, std::size_t at)
{
    Found found;
    trie.forEachKeyAt(text, at, [&](int key, std::size_t end) {
        found.emplace_back(keys[static_cast<std::size_t>(key)], end);
    });
    return found;
}

} // namespace

TEST(KeyTrie, FindsEveryKeyThatStartsAtAPlaceWithWhereItEnds)
{
    const struct
    {
        std::string_view text;
        std::size_t at;
        Found found;
    } cases[] = {
        {"width=3", 0, {{"width", 5}}},
        {"widthx=3", 0, {{"width", 5}, {"widthx", 6}}},
        {"qvo-widthx", 4, {{"width", 9}, {"widthx", 10}}},
        {"widt", 0, {}},
        {"width", 1, {}},
        {"Width", 0, {}},
        {"wid?th", 0, {}},
        {"linktext=", 0, {{"link", 4}, {"linktext", 8}}},
        {"linktex", 0, {{"link", 4}}},
        {"tmessage12=", 0, {{"tmessage", 8}}},
        {"tmessage_to=", 0, {{"tmessage", 8}, {"tmessage_to", 11}}},
        {"tmessag", 0, {}},
        {"tmessagf", 0, {}},
        {"xtmessage", 1, {{"tmessage", 9}}},
        {"", 0, {}},
    };
    const KeyTrie trie(keys, shortcuts);
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.at));
        EXPECT_EQ(foundAt(trie, c.text, c.at), c.found);
    }
}

TEST(KeyTrie, KnowsEachKeyByItsPlaceInTheList)
{
    const KeyTrie trie(keys, shortcuts);
    for (std::size_t i = 0; i < keys.size(); ++i)
        EXPECT_EQ(trie.indexOf(keys[i]), static_cast<int>(i)) << keys[i];
    for (std::string_view other : {"", "wid", "widthxx", "linktex", "Link", "tmessage1"})
        EXPECT_EQ(trie.indexOf(other), KeyTrie::noKey) << other;
    EXPECT_EQ(trie.longestKey(), std::string_view("tmessage_to").size());
}
