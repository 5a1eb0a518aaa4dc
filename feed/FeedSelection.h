#pragma once

#include "feed/FeedImport.h"
#include "feed/FeedItems.h"

#include <cstddef>
#include <string>
#include <vector>

// A feed's items read once, as the Import dialog holds them while its options change. Whether an item
// becomes a message and what the author is warned of do not depend on the length or the target, so they
// are learnt once per item; only the messages shown are made again with each change.
class FeedSelection
{
public:
    explicit FeedSelection(FeedItems items) : items_(std::move(items)) {}

    const FeedItems& items() const { return items_; }

    struct Summary
    {
        std::size_t messageCount = 0;
        std::vector<std::string> warnings;
    };
    // What the first `maxItems` items give, whatever the other options.
    Summary summary(std::size_t maxItems);

    // The first `most` messages of the first `options.maxItems` items, made with the options; refused as
    // FeedImport::messages refuses them.
    Expected<std::vector<Message>> firstMessages(const FeedOptions& options, std::size_t most);

private:
    struct Facts
    {
        bool message = false;
        std::vector<std::string> warnings;
    };
    void learnUpTo(std::size_t count);

    FeedItems items_;
    std::vector<Facts> facts_;
};
