#include "feed/Utf8Repair.h"

#include "feed/PiecewiseUtf8.h"
#include "project/TextEncoding.h"

namespace {

bool isContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// A piece ends before a byte that starts a character, so no well-formed sequence is split; at most three
// continuation bytes are looked past.
std::size_t characterPieceEnd(std::string_view rest)
{
    constexpr std::size_t most = PiecewiseUtf8::pieceBytes;
    std::size_t end = PiecewiseUtf8::wholePiece(rest);
    while (end < rest.size() && end > most - 4 && isContinuation(rest[end]))
        --end;
    if (end < rest.size() && isContinuation(rest[end]))
        end = PiecewiseUtf8::wholePiece(rest);
    return end;
}

} // namespace

std::string Utf8Repair::repaired(std::string_view bytes)
{
    if (TextEncoding::isUtf8(bytes))
        return std::string(bytes);
    return PiecewiseUtf8::of(bytes, TextEncoding::decodeUtf8, characterPieceEnd);
}
