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
        // Only the start of the text was read (its first 2000 start tags, its first MiB), and what was read
        // ends before the chosen length: the text ends with an ellipsis there.
        bool cutShort = false;
    };

    // HTML, decoded and reduced; UTF-8 in and out, with malformed bytes read as replacement characters.
    static Reduced fromHtml(std::string_view html, int maxLength);
    // Plain text, shown as it reads.
    static Reduced fromPlain(std::string_view text, int maxLength);
};
