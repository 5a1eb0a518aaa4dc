#pragma once

#include <string>

// One item as a feed holds it, before its texts are reduced to what a message can hold.
struct FeedItem
{
    std::string title;
    bool titleIsHtml = false;
    std::string text;
    bool textIsHtml = false;
    // Resolved against the feed's base address where the feed gives one.
    std::string link;
    // Only a CSV file names a target per item.
    std::string target;
};
