#include "generator/ScriptEscape.h"

#include <algorithm>

namespace {

constexpr char32_t highestCodePoint = 0x10FFFF;
// Octal escapes stop where a further digit would pass \377.
constexpr char32_t highestOctal = 0377;
// \n, \r, \t, \b, \f and \v, and what each stands for.
constexpr std::u32string_view controlLetters = U"nrtbfv";
constexpr char32_t controls[] = {U'\n', U'\r', U'\t', U'\b', U'\f', U'\v'};

int hexValue(char32_t c)
{
    if (c >= '0' && c <= '9')
        return static_cast<int>(c - '0');
    if (c >= 'a' && c <= 'f')
        return static_cast<int>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F')
        return static_cast<int>(c - 'A' + 10);
    return -1;
}

// Exactly `count` hex digits at `from`.
std::optional<char32_t> hexDigits(std::u32string_view text, std::size_t from, std::size_t count)
{
    if (from + count > text.size())
        return std::nullopt;
    char32_t value = 0;
    for (std::size_t at = from; at < from + count; ++at) {
        const int digit = hexValue(text[at]);
        if (digit < 0)
            return std::nullopt;
        value = value * 16 + static_cast<char32_t>(digit);
    }
    return value;
}

// \u{...}: one or more hex digits naming a code point up to 10FFFF; `from` is at the brace.
std::optional<ScriptEscape::Escape> codePointEscape(std::u32string_view text, std::size_t from)
{
    if (from >= text.size() || text[from] != '{')
        return std::nullopt;
    char32_t value = 0;
    std::size_t at = from + 1;
    for (; at < text.size() && hexValue(text[at]) >= 0; ++at) {
        value = value * 16 + static_cast<char32_t>(hexValue(text[at]));
        if (value > highestCodePoint)
            return std::nullopt;
    }
    if (at == from + 1 || at >= text.size() || text[at] != '}')
        return std::nullopt;
    return ScriptEscape::Escape{value, at - from + 2};
}

ScriptEscape::Escape octalEscape(std::u32string_view text, std::size_t from)
{
    char32_t value = 0;
    std::size_t taken = 0;
    while (taken < 3 && from + taken < text.size() && text[from + taken] >= '0' &&
           text[from + taken] <= '7' && value * 8 + (text[from + taken] - '0') <= highestOctal)
        value = value * 8 + (text[from + (taken++)] - '0');
    return {value, taken};
}

} // namespace

std::optional<ScriptEscape::Escape> ScriptEscape::at(std::u32string_view text, std::size_t backslash)
{
    if (backslash + 1 >= text.size())
        return std::nullopt;
    const std::size_t next = backslash + 1;
    const char32_t c = text[next];
    if (const std::size_t letter = controlLetters.find(c); letter != std::u32string_view::npos)
        return Escape{controls[letter], 1};
    if (c == 'x') {
        if (const auto unit = hexDigits(text, next + 1, 2))
            return Escape{*unit, 3};
        return std::nullopt;
    }
    if (c == 'u') {
        if (const auto unit = hexDigits(text, next + 1, 4))
            return Escape{*unit, 5};
        return codePointEscape(text, next + 1);
    }
    if (c == '\r' && next + 1 < text.size() && text[next + 1] == '\n')
        return Escape{std::nullopt, 2};
    if (isLineBreak(c))
        return Escape{std::nullopt, 1};
    if (c >= '0' && c <= '7')
        return octalEscape(text, next);
    return Escape{c, 1};
}

ScriptEscape::Reading ScriptEscape::read(std::u32string_view body, const std::vector<bool>& literal)
{
    Reading reading;
    for (std::size_t at = 0; at < body.size(); ++at) {
        const bool escape = body[at] == '\\' && !literal[at];
        const std::optional<Escape> escaped = escape ? ScriptEscape::at(body, at) : std::nullopt;
        if (escaped && escaped->character) {
            reading.text += *escaped->character;
            reading.origins.push_back(at);
        } else if (!escaped) {
            reading.text += body[at];
            reading.origins.push_back(at);
        }
        if (escaped)
            at += escaped->length;
    }
    return reading;
}

std::vector<ScriptEscape::Ending> ScriptEscape::endings(std::u32string_view body, char32_t quote)
{
    std::vector<Ending> found;
    const auto note = [&found](std::size_t at, End how) {
        if (std::none_of(found.begin(), found.end(), [how](const Ending& e) { return e.how == how; }))
            found.push_back({at, how});
    };
    for (std::size_t at = 0; at < body.size(); ++at) {
        const char32_t c = body[at];
        if (c == '\\') {
            if (const auto escaped = ScriptEscape::at(body, at))
                at += escaped->length;
        } else if (c == quote) {
            note(at, End::Quote);
        } else if (c == '\n' || c == '\r') {
            note(at, End::LineBreak);
        } else if (isLineBreak(c)) {
            note(at, End::OldLineBreak);
        }
    }
    return found;
}
