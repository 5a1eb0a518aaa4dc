#pragma once

#include "feed/FeedItems.h"
#include "project/Expected.h"

#include <cstddef>
#include <string_view>

// Messages kept in a spreadsheet: CSV as RFC 4180 writes it (quoted fields may hold commas, quotes and
// line breaks; lines may end in CRLF, LF or, as old spreadsheets wrote them, CR), and a header row
// naming the columns title, text, link and target in any order. Titles and texts are HTML, as typed
// in the wizard.
class CsvFeedReader
{
public:
    // `text` is UTF-8, as the import decodes every feed. Keeps the first `keep` rows; every row is counted.
    static Expected<FeedItems> read(std::string_view text, std::size_t keep);
};
