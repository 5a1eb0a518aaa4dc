#include "feed/FeedPosition.h"

#include <algorithm>

FeedPosition FeedPosition::at(std::string_view bytes, std::size_t offset)
{
    offset = std::min(offset, bytes.size());
    std::size_t line = 1;
    std::size_t column = 1;
    for (std::size_t at = 0; at < offset; ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        // A line ends in LF, CRLF or CR alone.
        if (byte == '\n' || (byte == '\r' && (at + 1 == bytes.size() || bytes[at + 1] != '\n'))) {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return FeedPosition(line, column);
}

Error FeedPosition::error(const std::string& what) const
{
    return Error::refused("line " + std::to_string(line_) + ", column " + std::to_string(column_) + ": " +
                          what);
}
