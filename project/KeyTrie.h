#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A set of keys as a trie over the few characters they are spelled with, so that one walk from a place in
// a text finds every key that starts there, a key that begins a longer one first. A key is known by its
// place in the list it was built from. The keys named as shortcuts, eight bytes or longer, are matched
// whole by their first eight bytes, which skips the walk down to them; a shortcut is dropped where a
// shorter key lies on its way, which the skip would pass over.
class KeyTrie
{
public:
    static constexpr int noKey = -1;

    KeyTrie(const std::vector<std::string_view>& keys, const std::vector<std::size_t>& shortcuts);

    // Calls found(key, end) for each key that starts at `at` in `text`, with the place just after it.
    template <typename Found> void forEachKeyAt(std::string_view text, std::size_t at, Found&& found) const
    {
        for (std::size_t node = skip(text, at);; ++at) {
            if (keyOf_[node] != noKey)
                found(keyOf_[node], at);
            if (at >= text.size())
                return;
            const std::int32_t next = child(node, text[at]);
            if (next < 0)
                return;
            node = static_cast<std::size_t>(next);
        }
    }

    // The place of `key` in the list, or noKey.
    int indexOf(std::string_view key) const;

    std::size_t longestKey() const { return longestKey_; }

private:
    struct Shortcut
    {
        std::uint64_t head = 0;
        std::string key;
        std::size_t node = 0;
    };

    std::size_t insert(std::string_view key);
    void addShortcut(std::string_view key);
    // The node reached by a shortcut key that starts at `at`, moving `at` past it; the root when none does.
    std::size_t skip(std::string_view text, std::size_t& at) const;

    std::int32_t child(std::size_t node, char c) const
    {
        const std::uint8_t slot = slotOf_[static_cast<unsigned char>(c)];
        return slot == 0 ? -1 : children_[node * slots_ + slot];
    }

    std::array<std::uint8_t, 256> slotOf_{};
    std::size_t slots_ = 1;
    std::vector<int> keyOf_;
    std::vector<std::int32_t> children_;
    std::vector<Shortcut> shortcuts_;
    std::size_t longestKey_ = 0;
};
