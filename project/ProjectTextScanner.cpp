#include "project/ProjectTextScanner.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <unordered_map>

namespace {

constexpr std::uint32_t notFound = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t maxNumberDigits = 7;
// An end text is a start prefix with this in front of it.
constexpr std::string_view endMark = "endof-";
static_assert(ProjectKeys::endPrefix.size() == endMark.size() + ProjectKeys::startPrefix.size());

// The keys that may follow "qvo-", as a trie over the few characters keys are spelled with. A setting key
// is complete where it ends; a message key ("tmessage") is followed by the message number. Message keys
// are by far the most frequent, so a key whose first eight bytes match one of theirs skips the walk down
// to its node, where no shorter key can have been passed.
struct KeyTrie
{
    struct Shortcut
    {
        std::uint64_t head = 0;
        std::string_view key;
        std::size_t node = 0;
    };

    struct Node
    {
        bool complete = false;
        int setting = -1;
        int family = -1;
    };

    std::array<std::uint8_t, 256> slotOf{};
    std::size_t slots = 1;
    std::vector<Node> nodes;
    std::vector<std::int32_t> children;
    std::unordered_map<std::string, std::size_t> settingIndex;
    std::vector<Shortcut> shortcuts;
    std::size_t longestKey = 0;

    KeyTrie()
    {
        const auto& keys = ProjectKeys::valueKeys();
        std::vector<std::string> spellings(keys);
        for (MessageField field : ProjectKeys::messageFieldOrder)
            spellings.emplace_back(ProjectKeys::messageKey(field));
        for (const std::string& key : spellings) {
            for (unsigned char c : key) {
                if (slotOf[c] == 0)
                    slotOf[c] = static_cast<std::uint8_t>(slots++);
            }
        }
        nodes.emplace_back();
        children.assign(slots, -1);
        for (std::size_t i = 0; i < keys.size(); ++i) {
            Node& node = nodes[insert(keys[i])];
            node.complete = true;
            node.setting = static_cast<int>(i);
            settingIndex.emplace(keys[i], i);
        }
        for (MessageField field : ProjectKeys::messageFieldOrder) {
            Node& node = nodes[insert(ProjectKeys::messageKey(field))];
            node.complete = true;
            node.family = static_cast<int>(field);
        }
        for (MessageField field : ProjectKeys::messageFieldOrder)
            addShortcut(ProjectKeys::messageKey(field));
    }

    void addShortcut(std::string_view key)
    {
        if (key.size() < sizeof(std::uint64_t))
            return;
        std::size_t node = 0;
        for (std::size_t i = 0; i < key.size(); ++i) {
            if (i > 0 && nodes[node].complete)
                return;
            node = static_cast<std::size_t>(child(node, key[i]));
        }
        Shortcut shortcut{0, key, node};
        std::memcpy(&shortcut.head, key.data(), sizeof shortcut.head);
        shortcuts.push_back(shortcut);
    }

    // The node reached by a key that starts at `at` and is found among the shortcuts, or the root.
    std::size_t skip(std::string_view window, std::size_t& at) const
    {
        if (at + sizeof(std::uint64_t) > window.size())
            return 0;
        std::uint64_t head = 0;
        std::memcpy(&head, window.data() + at, sizeof head);
        for (const Shortcut& shortcut : shortcuts) {
            if (head == shortcut.head && window.substr(at, shortcut.key.size()) == shortcut.key) {
                at += shortcut.key.size();
                return shortcut.node;
            }
        }
        return 0;
    }

    std::size_t insert(std::string_view key)
    {
        longestKey = std::max(longestKey, key.size());
        std::size_t node = 0;
        for (unsigned char c : key) {
            const std::size_t slot = node * slots + slotOf[c];
            if (children[slot] < 0) {
                children[slot] = static_cast<std::int32_t>(nodes.size());
                nodes.emplace_back();
                children.resize(children.size() + slots, -1);
            }
            node = static_cast<std::size_t>(children[slot]);
        }
        return node;
    }

    std::int32_t child(std::size_t node, char c) const
    {
        const std::uint8_t slot = slotOf[static_cast<unsigned char>(c)];
        return slot == 0 ? -1 : children[node * slots + slot];
    }
};

const KeyTrie& keyTrie()
{
    static const KeyTrie trie;
    return trie;
}

// How far past the start of a "qvo-" the scan may look: the longest key, a message number and what follows.
std::size_t lookahead()
{
    return ProjectKeys::startPrefix.size() + keyTrie().longestKey + maxNumberDigits + 2;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t digitCount(int number)
{
    std::size_t digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

void keepFirst(std::uint32_t& first, std::size_t position)
{
    if (first == notFound && position < notFound)
        first = static_cast<std::uint32_t>(position);
}

// Messages come in order in most files, so the next number usually just extends the list.
void keepFirst(std::vector<std::uint32_t>& positions, std::size_t number, std::size_t position)
{
    if (positions.size() == number && position < notFound) {
        positions.push_back(static_cast<std::uint32_t>(position));
        return;
    }
    if (positions.size() <= number)
        positions.resize(number + 1, notFound);
    keepFirst(positions[number], position);
}

std::uint32_t at(const std::vector<std::uint32_t>& positions, std::size_t number)
{
    return number < positions.size() ? positions[number] : notFound;
}

bool isRecord(std::uint32_t start, std::size_t startLength, std::uint32_t end)
{
    return start != notFound && end != notFound && end >= std::size_t{start} + startLength;
}

ValueSpan spanBetween(std::uint32_t start, std::size_t startLength, std::uint32_t end)
{
    if (!isRecord(start, startLength, end))
        return {};
    return {start + startLength, end};
}

std::size_t messageStartLength(MessageField field, int number)
{
    return ProjectKeys::startPrefix.size() + ProjectKeys::messageKey(field).size() + digitCount(number) + 1;
}

} // namespace

ProjectTextScanner::ProjectTextScanner()
    : settingStarts_(ProjectKeys::valueKeys().size(), notFound),
      settingEnds_(ProjectKeys::valueKeys().size(), notFound)
{}

void ProjectTextScanner::scanText(std::string_view text)
{
    scanWindow(text, 0, 0, text.size());
}

// The window keeps a few bytes before the next "qvo-" to look for (an "endof-" in front of it) and holds
// back the last bytes read until the key and number after them have arrived.
Expected<std::size_t> ProjectTextScanner::scanStream(const ReadMore& readMore, std::size_t chunkSize)
{
    const std::size_t ahead = lookahead();
    std::string window(chunkSize + ahead + endMark.size(), '\0');
    std::size_t filled = 0;
    std::size_t offset = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t wanted = window.size() - filled;
        auto got = readMore(window.data() + filled, wanted);
        if (!got.ok())
            return got.error();
        const bool last = got.value() < wanted;
        filled += got.value();
        const std::size_t to = last ? filled : std::max(from, filled > ahead ? filled - ahead : 0);
        scanWindow(std::string_view(window.data(), filled), offset, from, to);
        if (last)
            return offset + filled;
        const std::size_t keepFrom = to > endMark.size() ? to - endMark.size() : 0;
        std::memmove(window.data(), window.data() + keepFrom, filled - keepFrom);
        filled -= keepFrom;
        offset += keepFrom;
        from = to - keepFrom;
    }
}

void ProjectTextScanner::scanWindow(std::string_view window, std::size_t offset, std::size_t from,
                                    std::size_t to)
{
    for (std::size_t found = window.find(ProjectKeys::startPrefix, from); found < to;
         found = window.find(ProjectKeys::startPrefix, found + 1))
        examine(window, offset, found);
}

void ProjectTextScanner::examine(std::string_view window, std::size_t offset, std::size_t at)
{
    const KeyTrie& keys = keyTrie();
    const std::size_t position = offset + at;
    const bool ending = at >= endMark.size() &&
                        std::memcmp(window.data() + at - endMark.size(), endMark.data(), endMark.size()) == 0;
    std::size_t next = at + ProjectKeys::startPrefix.size();
    for (std::size_t node = keys.skip(window, next);; ++next) {
        const KeyTrie::Node& reached = keys.nodes[node];
        if (reached.complete) {
            if (reached.setting >= 0) {
                const auto setting = static_cast<std::size_t>(reached.setting);
                if (ending)
                    keepFirst(settingEnds_[setting], position - endMark.size());
                if (next < window.size() && window[next] == '=')
                    keepFirst(settingStarts_[setting], position);
            } else {
                const auto family = static_cast<std::size_t>(reached.family);
                if (ending)
                    recordMessageEnd(family, window, next, position - endMark.size());
                recordMessageStart(family, window, next, position);
            }
        }
        if (next >= window.size())
            return;
        const std::int32_t child = keys.child(node, window[next]);
        if (child < 0)
            return;
        node = static_cast<std::size_t>(child);
    }
}

// "qvo-tmessage" N "=" occurs only where the whole digit run is N and "=" follows it.
void ProjectTextScanner::recordMessageStart(std::size_t family, std::string_view window, std::size_t digitsAt,
                                            std::size_t position)
{
    std::size_t digits = 0;
    while (digits <= maxNumberDigits && digitsAt + digits < window.size() &&
           isDigit(window[digitsAt + digits]))
        ++digits;
    if (digits == 0 || digits > maxNumberDigits || window[digitsAt] == '0')
        return;
    if (digitsAt + digits >= window.size() || window[digitsAt + digits] != '=')
        return;
    int number = 0;
    for (char c : window.substr(digitsAt, digits))
        number = number * 10 + (c - '0');
    if (number <= maxMessageNumber)
        keepFirst(messages_[family].starts, static_cast<std::size_t>(number), position);
}

// "endof-qvo-tmessage1" also stands at the front of "endof-qvo-tmessage10": every leading part of the
// digit run is an end text found here.
void ProjectTextScanner::recordMessageEnd(std::size_t family, std::string_view window, std::size_t digitsAt,
                                          std::size_t position)
{
    if (digitsAt >= window.size() || window[digitsAt] == '0')
        return;
    int number = 0;
    for (std::size_t digits = 0; digits < maxNumberDigits && digitsAt + digits < window.size(); ++digits) {
        const char c = window[digitsAt + digits];
        if (!isDigit(c))
            break;
        number = number * 10 + (c - '0');
        if (number > maxMessageNumber)
            break;
        keepFirst(messages_[family].ends, static_cast<std::size_t>(number), position);
    }
}

ValueSpan ProjectTextScanner::settingSpan(std::string_view key) const
{
    const auto& index = keyTrie().settingIndex;
    const auto found = index.find(std::string(key));
    if (found == index.end())
        return {};
    return spanBetween(settingStarts_[found->second], ProjectKeys::startPrefix.size() + key.size() + 1,
                       settingEnds_[found->second]);
}

ValueSpan ProjectTextScanner::messageSpan(MessageField field, int number) const
{
    if (number < 1 || number > maxMessageNumber)
        return {};
    const Hits& hits = messages_[static_cast<std::size_t>(field)];
    const auto n = static_cast<std::size_t>(number);
    return spanBetween(at(hits.starts, n), messageStartLength(field, number), at(hits.ends, n));
}

bool ProjectTextScanner::foundAnyRecord() const
{
    const auto& keys = ProjectKeys::valueKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (isRecord(settingStarts_[i], ProjectKeys::startPrefix.size() + keys[i].size() + 1,
                     settingEnds_[i]))
            return true;
    }
    for (MessageField field : ProjectKeys::messageFieldOrder) {
        const Hits& hits = messages_[static_cast<std::size_t>(field)];
        const std::size_t numbers = std::min(hits.starts.size(), hits.ends.size());
        for (std::size_t n = 1; n < numbers; ++n) {
            if (isRecord(hits.starts[n], messageStartLength(field, static_cast<int>(n)), hits.ends[n]))
                return true;
        }
    }
    return false;
}
