#pragma once

#include "feed/FeedItems.h"
#include "project/Expected.h"

#include <cstddef>
#include <string_view>

// JSON Feed 1.1 (and 1.0), read with nlohmann-json; items past those kept are dropped as they are parsed.
class JsonFeedReader
{
public:
    // `text` is UTF-8, as the import decodes every feed. Keeps the first `keep` items; every item is counted.
    static Expected<FeedItems> read(std::string_view text, std::size_t keep);
};
