#pragma once

#include "project/Expected.h"

#include <string>
#include <string_view>

// The door of the import: a feed's bytes become UTF-8 once, here, and every reader behind it reads that
// same text, whatever the format.
class FeedEncoding
{
public:
    // A byte-order mark decides first: UTF-8, or UTF-16 in either byte order (as Windows tools write
    // CSV and JSON). Without one, XML that starts in UTF-16 is read as such, and an XML declaration naming
    // windows-1252, ISO-8859-1 or US-ASCII is read as windows-1252, as browsers read them; anything else
    // is UTF-8. Malformed sequences become replacement characters. An XML declaration naming another
    // encoding is refused with its line and column.
    static Expected<std::string> utf8Of(std::string_view bytes);
};
