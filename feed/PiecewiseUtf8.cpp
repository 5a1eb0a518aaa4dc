#include "feed/PiecewiseUtf8.h"

#include "project/TextEncoding.h"

#include <algorithm>

std::string PiecewiseUtf8::of(std::string_view bytes, Decode decode, PieceEnd pieceEnd)
{
    std::string text;
    text.reserve(bytes.size());
    while (!bytes.empty()) {
        const std::size_t end = pieceEnd(bytes);
        text += TextEncoding::encodeUtf8(decode(bytes.substr(0, end)));
        bytes.remove_prefix(end);
    }
    return text;
}

std::size_t PiecewiseUtf8::wholePiece(std::string_view rest)
{
    return std::min(pieceBytes, rest.size());
}
