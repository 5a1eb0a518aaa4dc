#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// How a browser reads the body of a JavaScript string literal, in the sloppy mode that the runtimes run
// in: where an escape starts, what it stands for, and what ends the literal.
class ScriptEscape
{
public:
    struct Escape
    {
        // What the escape stands for; nothing for a line continuation (a backslash before a line break).
        std::optional<char32_t> character;
        // The characters after the backslash that belong to the escape.
        std::size_t length;
    };

    // The escape that the backslash at `backslash` starts; none where the browser refuses the literal:
    // \x or \u without their hex digits, a code point past 10FFFF, or the text ending after it.
    static std::optional<Escape> at(std::u32string_view text, std::size_t backslash);

    // A literal's body read as the browser reads it. A backslash marked in `literal` is one that the
    // literal holds as a character (it was written doubled); every other one starts an escape.
    struct Reading
    {
        std::u32string text;
        // For each character of text, where it starts in the body: its escape's backslash, or itself.
        std::vector<std::size_t> origins;
    };
    static Reading read(std::u32string_view body, const std::vector<bool>& literal);

    // What ends a literal that `body` is put into between two `quote`s before its closing quote does.
    enum class End
    {
        Quote,
        // A line break, which the browser refuses inside a literal.
        LineBreak,
        // U+2028 or U+2029, refused only by browsers older than 2019.
        OldLineBreak
    };
    struct Ending
    {
        std::size_t at;
        End how;
    };
    // Each kind of ending at its first place, in the order they come; an escaped quote or break ends nothing.
    static std::vector<Ending> endings(std::u32string_view body, char32_t quote);

    static bool isLineBreak(char32_t c) { return c == '\n' || c == '\r' || c == 0x2028 || c == 0x2029; }
};
