#include "generator/ValueFormats.h"

#include "project/IntegerText.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <string_view>

namespace {

std::string hexComponent(int value)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02X", static_cast<unsigned>(value));
    return buffer;
}

// The entry at `index` of a choice list, or `outside` for an index beyond the list.
template <typename Entry, std::size_t Count>
Entry listed(const std::array<Entry, Count>& entries, int index, Entry outside)
{
    if (index < 0 || static_cast<std::size_t>(index) >= Count)
        return outside;
    return entries[static_cast<std::size_t>(index)];
}

std::int64_t pauseInMilliseconds(const std::string& pause)
{
    return std::int64_t{IntegerText::parse(pause)} * 1000;
}

} // namespace

std::string ValueFormats::HexColor(const RgbColor& color)
{
    return hexComponent(color.red) + hexComponent(color.green) + hexComponent(color.blue);
}

ValueFormats::StyleWords ValueFormats::FontStyleWords(int index)
{
    static const std::array<StyleWords, 4> words = {
        {{"normal", "normal"}, {"normal", "bold"}, {"italic", "normal"}, {"italic", "bold"}}};
    return listed(words, index, StyleWords{});
}

std::string ValueFormats::AlignWord(int index)
{
    static constexpr std::array<std::string_view, 3> words = {"left", "center", "right"};
    return std::string(listed(words, index, std::string_view{}));
}

std::string ValueFormats::DecorationWord(int flag)
{
    return flag == 0 ? "none" : "underline";
}

std::string ValueFormats::bodyDecorationCode(int flag)
{
    return "objd.style.textDecoration='" + DecorationWord(flag) + "';";
}

std::string ValueFormats::titleDecorationCode(int flag)
{
    return "objd2.style.textDecoration='" + DecorationWord(flag) + "';";
}

std::string ValueFormats::borderStyleWord(int index)
{
    static constexpr std::array<std::string_view, 3> words = {"solid", "dotted", "dashed"};
    return std::string(listed(words, index, words[0]));
}

std::string ValueFormats::transitionDuration(int speed)
{
    static constexpr std::array<std::string_view, 4> seconds = {"2", "1", "0.6", "0.4"};
    return std::string(listed(seconds, speed, seconds[1]));
}

std::string ValueFormats::number(const std::string& typed)
{
    const auto isDigit = [&](std::size_t at) {
        return at < typed.size() && std::isdigit(static_cast<unsigned char>(typed[at]));
    };
    std::size_t first = 0;
    while (first < typed.size() && std::isspace(static_cast<unsigned char>(typed[first])))
        ++first;
    if (first < typed.size() && (typed[first] == '+' || typed[first] == '-'))
        ++first;
    std::size_t kept = first;
    while (isDigit(kept + 1) && typed[kept] == '0')
        ++kept;
    return kept == first ? typed : typed.substr(0, first) + typed.substr(kept);
}

std::string ValueFormats::standardsPause(const std::string& pause)
{
    return number(pause) + "000";
}

std::string ValueFormats::pauseMilliseconds(const std::string& pause)
{
    return std::to_string(pauseInMilliseconds(pause));
}

std::string ValueFormats::iePause(const std::string& pause, int transitionSpeed)
{
    constexpr int allowances[] = {2000, 1000, 600, 400};
    if (transitionSpeed < 0 || transitionSpeed > 3)
        return "0";
    return std::to_string(pauseInMilliseconds(pause) + allowances[transitionSpeed]);
}
