#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// A feed may be 64 MiB, so its bytes become UTF-8 through 32-bit characters a piece at a time, never as
// one text of 32-bit characters four times its size.
class PiecewiseUtf8
{
public:
    static constexpr std::size_t pieceBytes = 64 * 1024;

    using Decode = std::u32string (*)(std::string_view bytes);
    // Where the piece at the start of `rest` ends: at most pieceBytes into it, and past its start.
    using PieceEnd = std::size_t (*)(std::string_view rest);

    // `bytes` decoded by `decode` and written as UTF-8, a piece of them at a time.
    static std::string of(std::string_view bytes, Decode decode, PieceEnd pieceEnd = wholePiece);
    // For encodings of one byte a character, where any byte may end a piece.
    static std::size_t wholePiece(std::string_view rest);
};
