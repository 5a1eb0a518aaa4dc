#include "feed/PiecewiseUtf8.h"

#include "project/TextEncoding.h"

#include <gtest/gtest.h>

namespace {

std::size_t oneByte(std::string_view)
{
    return 1;
}

} // namespace

// The pieces join into the text a single conversion would give, wherever a piece ends, unless the end
// splits a character of a multi-byte encoding.
TEST(PiecewiseUtf8, PiecesJoinIntoTheWholeText)
{
    const std::string a(65535, 'a');
    const struct
    {
        std::string bytes;
        PiecewiseUtf8::Decode decode;
        PiecewiseUtf8::PieceEnd pieceEnd;
        std::string expected;
    } cases[] = {
        {"", TextEncoding::decodeWindows1252, PiecewiseUtf8::wholePiece, ""},
        // The euro sign ends the first piece of 64 KiB, the e with acute starts the second.
        {a + "\x80\xE9!", TextEncoding::decodeWindows1252, PiecewiseUtf8::wholePiece, a + "\u20AC\u00E9!"},
        {"caf\xC3\xA9", TextEncoding::decodeUtf8, PiecewiseUtf8::wholePiece, "caf\u00E9"},
        {"caf\xC3\xA9", TextEncoding::decodeUtf8, oneByte, "caf\uFFFD\uFFFD"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PiecewiseUtf8::of(c.bytes, c.decode, c.pieceEnd), c.expected) << c.bytes.substr(0, 8);
}
