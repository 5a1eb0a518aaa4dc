#pragma once

#include <string>
#include <string_view>

// A title or text of a feed reduced to what a message can hold safely: character formatting and line
// breaks, no attributes, nothing that runs or loads; whitespace collapsed; cut at a word boundary.
class MessageText
{
public:
    static constexpr int unlimited = -1;

    struct Reduced
    {
        std::string text;
        // Only the start of the text was read (up to its 2000th start tag, its first MiB): it ends with an
        // ellipsis, there or where the length cut it before. Whatever the length, so the import can say so
        // before it makes the messages.
        bool cutShort = false;
    };

    // HTML, decoded and reduced; UTF-8 in and out, with malformed bytes read as replacement characters.
    static Reduced fromHtml(std::string_view html, int maxLength);
    // Plain text, shown as it reads.
    static Reduced fromPlain(std::string_view text, int maxLength);
    // Whether the reduced text would be cut short, found without reducing it.
    static bool readsOnlyPart(std::string_view text, bool html);
};
