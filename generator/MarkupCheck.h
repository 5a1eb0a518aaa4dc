#pragma once

#include <string>
#include <string_view>

// Whether a message title or text, parsed as HTML where the news box puts it, stays inside its own element.
class MarkupCheck
{
public:
    enum class Fault
    {
        None,
        // An element, comment or attribute left open takes in the markup of the messages after it.
        Swallows,
        // An end tag closes an element of the box, so markup lands outside the message.
        ClosesBox,
        // A formatting element left open is carried on into the messages after it.
        Spills
    };
    struct Verdict
    {
        Fault fault = Fault::None;
        // The element at fault as the author would write it ("<textarea>", "<!--", "</div>"); may be empty.
        std::string culprit;
    };

    // The fragment as the browser receives it (UTF-8; other bytes are read as replacement characters).
    static Verdict of(std::string_view fragment);
};
