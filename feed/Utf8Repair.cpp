#include "feed/Utf8Repair.h"

#include "project/TextEncoding.h"

namespace {

constexpr std::size_t pieceBytes = 64 * 1024;

bool isContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

std::string Utf8Repair::repaired(std::string_view bytes)
{
    if (TextEncoding::isUtf8(bytes))
        return std::string(bytes);
    std::string repaired;
    repaired.reserve(bytes.size());
    while (!bytes.empty()) {
        // A piece ends before a byte that starts a character, so no well-formed sequence is split; at most
        // three continuation bytes are looked past.
        std::size_t end = std::min(pieceBytes, bytes.size());
        while (end < bytes.size() && end > pieceBytes - 4 && isContinuation(bytes[end]))
            --end;
        if (end < bytes.size() && isContinuation(bytes[end]))
            end = std::min(pieceBytes, bytes.size());
        repaired += TextEncoding::encodeUtf8(TextEncoding::decodeUtf8(bytes.substr(0, end)));
        bytes.remove_prefix(end);
    }
    return repaired;
}
