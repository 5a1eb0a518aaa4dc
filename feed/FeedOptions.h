#pragma once

#include <string>

// What the author chooses when importing a feed: how many items, where their links open and how long a
// message's text may grow.
struct FeedOptions
{
    // The first items as the feed orders them, which feeds put newest first.
    int maxItems = 10;
    // A feed's link leaves the author's site, so it opens a new window unless the author says otherwise.
    std::string target = "_blank";
    // In characters, not bytes; a longer text is cut at a word boundary and ends with an ellipsis.
    int maxLength = 200;
};
