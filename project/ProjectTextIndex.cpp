#include "project/ProjectTextIndex.h"

#include "project/MultiPatternFinder.h"

#include <unordered_map>

namespace {

constexpr std::size_t maxNumberDigits = 7;

// Pattern numbering: setting start texts, setting end texts, then the four message start prefixes
// ("qvo-tmessage") and the four message end prefixes ("endof-qvo-tmessage"); the message number that
// follows a prefix is read from the text, so the automaton stays small for any number of messages.
struct Patterns
{
    std::vector<std::string> texts;
    std::unordered_map<std::string, std::size_t> settingIndex;
    std::size_t settingCount = 0;
    std::array<std::size_t, 4> familyLength{};

    Patterns()
    {
        const auto& keys = ProjectKeys::valueKeys();
        settingCount = keys.size();
        for (std::size_t i = 0; i < keys.size(); ++i) {
            texts.push_back(std::string(ProjectKeys::startPrefix) + keys[i] + "=");
            settingIndex.emplace(keys[i], i);
        }
        for (const std::string& key : keys)
            texts.push_back(std::string(ProjectKeys::endPrefix) + key);
        for (MessageField field : ProjectKeys::messageFieldOrder)
            texts.push_back(std::string(ProjectKeys::startPrefix) +
                            std::string(ProjectKeys::messageKey(field)));
        for (MessageField field : ProjectKeys::messageFieldOrder) {
            const auto family = static_cast<std::size_t>(field);
            familyLength[family] = ProjectKeys::messageKey(field).size();
            texts.push_back(std::string(ProjectKeys::endPrefix) +
                            std::string(ProjectKeys::messageKey(field)));
        }
    }
};

const Patterns& patterns()
{
    static const Patterns all;
    return all;
}

const MultiPatternFinder& finder()
{
    static const MultiPatternFinder automaton(patterns().texts);
    return automaton;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

void keepFirst(std::vector<std::size_t>& positions, std::size_t number, std::size_t position)
{
    if (positions.size() <= number)
        positions.resize(number + 1, ProjectTextIndex::notFound);
    if (positions[number] == ProjectTextIndex::notFound)
        positions[number] = position;
}

std::size_t digitCount(int number)
{
    return std::to_string(number).size();
}

} // namespace

ProjectTextIndex::ProjectTextIndex(std::string_view text)
    : text_(text), settingStarts_(patterns().settingCount, notFound),
      settingEnds_(patterns().settingCount, notFound)
{
    const std::size_t settings = patterns().settingCount;
    finder().forEachMatch(text, [&](std::size_t pattern, std::size_t position) {
        if (pattern < 2 * settings) {
            recordSetting(pattern, position);
        } else if (pattern < 2 * settings + 4) {
            recordMessageStart(pattern - 2 * settings, position);
        } else {
            recordMessageEnd(pattern - 2 * settings - 4, position);
        }
    });
}

void ProjectTextIndex::recordSetting(std::size_t pattern, std::size_t position)
{
    const std::size_t settings = patterns().settingCount;
    auto& positions = pattern < settings ? settingStarts_ : settingEnds_;
    std::size_t& first = positions[pattern % settings];
    if (first == notFound)
        first = position;
}

// "qvo-tmessage" N "=" occurs only where the whole digit run is N and "=" follows it.
void ProjectTextIndex::recordMessageStart(std::size_t family, std::size_t position)
{
    const std::size_t digitsAt = position + ProjectKeys::startPrefix.size() + patterns().familyLength[family];
    std::size_t digits = 0;
    while (digits <= maxNumberDigits && digitsAt + digits < text_.size() && isDigit(text_[digitsAt + digits]))
        ++digits;
    if (digits == 0 || digits > maxNumberDigits || text_[digitsAt] == '0')
        return;
    if (digitsAt + digits >= text_.size() || text_[digitsAt + digits] != '=')
        return;
    const int number = std::stoi(std::string(text_.substr(digitsAt, digits)));
    if (number <= maxMessageNumber)
        keepFirst(messages_[family].starts, static_cast<std::size_t>(number), position);
}

// "endof-qvo-tmessage1" also stands at the front of "endof-qvo-tmessage10": every leading part of the
// digit run is an end text found here.
void ProjectTextIndex::recordMessageEnd(std::size_t family, std::size_t position)
{
    const std::size_t digitsAt = position + ProjectKeys::endPrefix.size() + patterns().familyLength[family];
    if (digitsAt >= text_.size() || text_[digitsAt] == '0')
        return;
    int number = 0;
    for (std::size_t digits = 0; digits < maxNumberDigits && digitsAt + digits < text_.size(); ++digits) {
        const char c = text_[digitsAt + digits];
        if (!isDigit(c))
            break;
        number = number * 10 + (c - '0');
        if (number > maxMessageNumber)
            break;
        keepFirst(messages_[family].ends, static_cast<std::size_t>(number), position);
    }
}

std::string ProjectTextIndex::findValue(std::string_view key) const
{
    const auto& index = patterns().settingIndex;
    const auto found = index.find(std::string(key));
    if (found == index.end())
        return {};
    return valueBetween(settingStarts_[found->second], ProjectKeys::startPrefix.size() + key.size() + 1,
                        settingEnds_[found->second]);
}

std::string ProjectTextIndex::findMessageValue(MessageField field, int number) const
{
    if (number < 1 || number > maxMessageNumber)
        return {};
    const Hits& hits = messages_[static_cast<std::size_t>(field)];
    const auto n = static_cast<std::size_t>(number);
    const std::size_t start = n < hits.starts.size() ? hits.starts[n] : notFound;
    const std::size_t end = n < hits.ends.size() ? hits.ends[n] : notFound;
    const std::size_t startLength =
        ProjectKeys::startPrefix.size() + ProjectKeys::messageKey(field).size() + digitCount(number) + 1;
    return valueBetween(start, startLength, end);
}

// A start text found but no end text after it, or a missing start text, both give an empty value.
std::string ProjectTextIndex::valueBetween(std::size_t start, std::size_t startLength, std::size_t end) const
{
    if (start == notFound || end == notFound || end < start + startLength)
        return {};
    return std::string(text_.substr(start + startLength, end - start - startLength));
}
