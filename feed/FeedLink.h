#pragma once

#include <string>
#include <string_view>

// An item's link as a message can hold it.
class FeedLink
{
public:
    // The reference resolved against the feed's base address when it is relative and the base is an
    // absolute web address of at most 2048 bytes, kept relative otherwise (to the page that shows the box).
    // Empty when it leads nowhere a click should go: a scheme other than http, https, mailto or ftp
    // (javascript: among them), or three characters or fewer, which the box ignores. Spaces, quotes,
    // backslashes and angle brackets are percent-encoded, so the box's scripts open the address as it stands.
    static std::string resolve(std::string_view base, std::string_view reference);
};
