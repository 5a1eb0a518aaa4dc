#include "project/KeyTrie.h"

#include <algorithm>
#include <cstring>

KeyTrie::KeyTrie(const std::vector<std::string_view>& keys, const std::vector<std::size_t>& shortcuts)
{
    for (std::string_view key : keys) {
        for (unsigned char c : key) {
            if (slotOf_[c] == 0)
                slotOf_[c] = static_cast<std::uint8_t>(slots_++);
        }
    }
    keyOf_.push_back(noKey);
    children_.assign(slots_, -1);
    for (std::size_t i = 0; i < keys.size(); ++i) {
        int& key = keyOf_[insert(keys[i])];
        if (key == noKey)
            key = static_cast<int>(i);
    }
    for (std::size_t shortcut : shortcuts)
        addShortcut(keys[shortcut]);
}

int KeyTrie::indexOf(std::string_view key) const
{
    std::size_t node = 0;
    for (char c : key) {
        const std::int32_t next = child(node, c);
        if (next < 0)
            return noKey;
        node = static_cast<std::size_t>(next);
    }
    return keyOf_[node];
}

std::size_t KeyTrie::insert(std::string_view key)
{
    longestKey_ = std::max(longestKey_, key.size());
    std::size_t node = 0;
    for (unsigned char c : key) {
        const std::size_t slot = node * slots_ + slotOf_[c];
        if (children_[slot] < 0) {
            children_[slot] = static_cast<std::int32_t>(keyOf_.size());
            keyOf_.push_back(noKey);
            children_.resize(children_.size() + slots_, -1);
        }
        node = static_cast<std::size_t>(children_[slot]);
    }
    return node;
}

void KeyTrie::addShortcut(std::string_view key)
{
    if (key.size() < sizeof(std::uint64_t))
        return;
    std::size_t node = 0;
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (i > 0 && keyOf_[node] != noKey)
            return;
        node = static_cast<std::size_t>(child(node, key[i]));
    }
    Shortcut shortcut{0, std::string(key), node};
    std::memcpy(&shortcut.head, key.data(), sizeof shortcut.head);
    shortcuts_.push_back(shortcut);
}

std::size_t KeyTrie::skip(std::string_view text, std::size_t& at) const
{
    if (at + sizeof(std::uint64_t) > text.size())
        return 0;
    std::uint64_t head = 0;
    std::memcpy(&head, text.data() + at, sizeof head);
    for (const Shortcut& shortcut : shortcuts_) {
        if (head == shortcut.head && text.substr(at, shortcut.key.size()) == shortcut.key) {
            at += shortcut.key.size();
            return shortcut.node;
        }
    }
    return 0;
}
