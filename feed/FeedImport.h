#pragma once

#include "feed/FeedItems.h"
#include "feed/FeedOptions.h"
#include "project/Expected.h"
#include "project/Message.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Turns a news feed into messages of the box.
class FeedImport
{
public:
    // A larger feed is refused before it is parsed.
    static constexpr std::uintmax_t maxBytes = 64 * 1024 * 1024;

    struct Result
    {
        std::vector<Message> messages;
        // What the author should know about items that were left out or cut short, each naming the item
        // by its number in the feed ("item 3: ..."); the caller names the file.
        std::vector<std::string> warnings;
    };

    // Reads a feed (RSS 2.0, Atom 1.0, JSON Feed 1.1 or CSV, told apart by content), newest first as the feed
    // orders them. Texts are UTF-8, reduced to markup a message can hold safely. An error's message says what
    // is wrong and where ("line 3, column 7: ..."); the caller names the file.
    static Expected<Result> read(std::string_view bytes, const FeedOptions& options);

    // The two halves of read, for a caller that reads a feed once and makes messages of it again as the
    // options change: the feed's first `keep` items, and the messages that the options make of them, from
    // the item at `from` on.
    static Expected<FeedItems> items(std::string_view bytes, std::size_t keep = FeedItems::maxCount);
    static Expected<Result> messages(const FeedItems& items, const FeedOptions& options,
                                     std::size_t from = 0);

    // What the author is warned of about the item at `index`, as messages warns of it, whatever the
    // options; whether it is left out. Found without making its message.
    struct Notes
    {
        bool leftOut = false;
        std::vector<std::string> warnings;
    };
    static Notes notesOf(const FeedItem& item, std::size_t index);

    // Whether a target goes into the box's scripts as it is: no quote, backslash, angle bracket, nor what a
    // one-line field does not take. An unsafe target of the options is refused; one in a CSV row gives way
    // to the options'.
    static bool isSafeTarget(std::string_view target);
};
