#pragma once

#include "feed/FeedItem.h"

#include <cstddef>
#include <vector>

// The first items of a feed that the import keeps, and how many it has in all.
struct FeedItems
{
    // More items than this is refused, however few are kept.
    static constexpr std::size_t maxCount = 1'000'000;

    std::vector<FeedItem> kept;
    std::size_t count = 0;
};
