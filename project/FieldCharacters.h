#pragma once

#include <optional>
#include <string>
#include <string_view>

// Which characters a design's texts may hold. No text holds a NUL, for the reader refuses a file with one.
// A one-line field (every setting, and a message's title, link and target) holds no control character and
// no line or paragraph separator either: the wizard's one-line fields take none, and the box would not show
// them as they were typed.
class FieldCharacters
{
public:
    static bool breaksLine(char32_t c);

    struct Found
    {
        std::size_t index; // counted in characters from 0
        char32_t character;
    };
    // The first character that the field refuses in a text of characters.
    static std::optional<Found> firstRefused(std::u32string_view text, bool oneLine);
    // The same in UTF-8; a byte that is not UTF-8 counts as one character that is refused nowhere.
    static std::optional<Found> firstRefusedInUtf8(std::string_view text, bool oneLine);

    // In words, with its code: "a line break (U+000A)", "a tab (U+0009)", "a NUL character (U+0000)".
    static std::string nameOf(char32_t c);

    // The text with every character that breaks a line written as an escape, so that it stays on one
    // line: in C style \r, \n, \t, \xHH for the other controls below 128 and \uHHHH for the rest; in JSON
    // style \uhhhh in lower case, as JSON writers write it. Bytes that are not UTF-8 are left as they are.
    enum class Escapes
    {
        C,
        Json
    };
    static std::string escaped(std::string_view text, Escapes style = Escapes::C);

    // The first escape in C style that stands for a character breaking a line, as escaped() writes one.
    struct Escape
    {
        std::string_view written;
        char32_t character;
    };
    static std::optional<Escape> firstEscape(std::string_view text);
};
