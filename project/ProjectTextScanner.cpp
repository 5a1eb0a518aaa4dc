#include "project/ProjectTextScanner.h"

#include "project/KeyTrie.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace {

constexpr std::uint32_t notFound = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t maxNumberDigits = 7;
// An end text is a start prefix with this in front of it.
constexpr std::string_view endMark = "endof-";
static_assert(ProjectKeys::endPrefix.size() == endMark.size() + ProjectKeys::startPrefix.size());

// The keys that may follow "qvo-": every setting's, then the message keys, which are followed by the
// message number. Message keys are by far the most frequent, so they are the trie's shortcuts.
KeyTrie makeKeyTrie()
{
    std::vector<std::string_view> keys(ProjectKeys::valueKeys().begin(), ProjectKeys::valueKeys().end());
    std::vector<std::size_t> shortcuts;
    for (MessageField field : ProjectKeys::messageFieldOrder) {
        shortcuts.push_back(keys.size());
        keys.push_back(ProjectKeys::messageKey(field));
    }
    return KeyTrie(keys, shortcuts);
}

const KeyTrie& keyTrie()
{
    static const KeyTrie trie = makeKeyTrie();
    return trie;
}

// How far past the start of a "qvo-" the scan may look: the longest key, a message number and what follows.
std::size_t lookahead()
{
    return ProjectKeys::startPrefix.size() + keyTrie().longestKey() + maxNumberDigits + 2;
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
    const std::size_t position = offset + at;
    const bool ending = at >= endMark.size() &&
                        std::memcmp(window.data() + at - endMark.size(), endMark.data(), endMark.size()) == 0;
    const std::size_t settings = settingStarts_.size();
    keyTrie().forEachKeyAt(window, at + ProjectKeys::startPrefix.size(), [&](int key, std::size_t next) {
        const auto found = static_cast<std::size_t>(key);
        if (found < settings) {
            if (ending)
                keepFirst(settingEnds_[found], position - endMark.size());
            if (next < window.size() && window[next] == '=')
                keepFirst(settingStarts_[found], position);
        } else {
            const auto family = static_cast<std::size_t>(ProjectKeys::messageFieldOrder[found - settings]);
            if (ending)
                recordMessageEnd(family, window, next, position - endMark.size());
            recordMessageStart(family, window, next, position);
        }
    });
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
    const int found = keyTrie().indexOf(key);
    if (found == KeyTrie::noKey || static_cast<std::size_t>(found) >= settingStarts_.size())
        return {};
    const auto setting = static_cast<std::size_t>(found);
    return spanBetween(settingStarts_[setting], ProjectKeys::startPrefix.size() + key.size() + 1,
                       settingEnds_[setting]);
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
