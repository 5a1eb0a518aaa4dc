#pragma once

#include "feed/FeedItems.h"
#include "project/Expected.h"

#include <cstddef>
#include <string_view>

// RSS 2.0 (and the RSS 1.0 it grew from) and Atom 1.0, read with expat. A document type declaration is
// refused outright, so no entity is ever declared: nothing expands and no other file is read.
class XmlFeedReader
{
public:
    // `text` is UTF-8, as the import decodes every feed. Keeps the first `keep` items; every item is counted.
    static Expected<FeedItems> read(std::string_view text, std::size_t keep);
};
