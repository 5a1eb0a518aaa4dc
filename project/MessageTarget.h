#pragma once

#include <string>
#include <string_view>

// The window a message's link opens in, as the author types it in the message editors or the import.
class MessageTarget
{
public:
    // Trimmed of white space at both ends. The keywords _blank, _parent and _top are written in lower case,
    // as HTML reads them in any case, and "_self" becomes "_parent", since the box runs in a frame of the
    // author's page and "_self" would open the link inside the box. Any other target, an empty one
    // included, stays as trimmed. UTF-8 in and out.
    static std::string byRule(std::string_view typed);
};
