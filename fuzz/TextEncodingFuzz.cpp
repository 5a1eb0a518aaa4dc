// The UTF-8 and windows-1252 conversions on any bytes, against the well-formed byte sequences of the
// Unicode standard (its table 3-7) checked here on their own.
#include "fuzz/FuzzCheck.h"
#include "project/TextEncoding.h"

#include <string>

namespace {

bool inRange(unsigned char byte, unsigned low, unsigned high)
{
    return byte >= low && byte <= high;
}

// Length of the well-formed sequence at `at`, 0 when there is none.
std::size_t wellFormedLength(std::string_view bytes, std::size_t at)
{
    const auto b = [&](std::size_t i) { return static_cast<unsigned char>(bytes[at + i]); };
    const std::size_t left = bytes.size() - at;
    if (b(0) <= 0x7F)
        return 1;
    if (inRange(b(0), 0xC2, 0xDF))
        return left >= 2 && inRange(b(1), 0x80, 0xBF) ? 2 : 0;
    if (inRange(b(0), 0xE0, 0xEF)) {
        const unsigned low = b(0) == 0xE0 ? 0xA0 : 0x80;
        const unsigned high = b(0) == 0xED ? 0x9F : 0xBF;
        return left >= 3 && inRange(b(1), low, high) && inRange(b(2), 0x80, 0xBF) ? 3 : 0;
    }
    if (inRange(b(0), 0xF0, 0xF4)) {
        const unsigned low = b(0) == 0xF0 ? 0x90 : 0x80;
        const unsigned high = b(0) == 0xF4 ? 0x8F : 0xBF;
        return left >= 4 && inRange(b(1), low, high) && inRange(b(2), 0x80, 0xBF) && inRange(b(3), 0x80, 0xBF)
                   ? 4
                   : 0;
    }
    return 0;
}

// The characters of well-formed UTF-8, or -1 when the bytes are not.
long characterCount(std::string_view bytes)
{
    long count = 0;
    for (std::size_t at = 0; at < bytes.size(); ++count) {
        const std::size_t length = wellFormedLength(bytes, at);
        if (length == 0)
            return -1;
        at += length;
    }
    return count;
}

void checkUtf8(std::string_view bytes)
{
    const long characters = characterCount(bytes);
    require(TextEncoding::isUtf8(bytes) == (characters >= 0), "UTF-8 is recognised exactly");
    const std::u32string decoded = TextEncoding::decodeUtf8(bytes);
    const std::string encoded = TextEncoding::encodeUtf8(decoded);
    require(characterCount(encoded) >= 0, "decoding any bytes and encoding again gives well-formed UTF-8");
    if (characters >= 0) {
        require(static_cast<long>(decoded.size()) == characters,
                "each UTF-8 sequence decodes to one character");
        require(encoded == bytes, "UTF-8 decodes and encodes back to the same bytes");
    } else {
        require(decoded.find(U'\uFFFD') != std::u32string::npos,
                "bytes that are not UTF-8 decode with a replacement character");
    }
}

void checkWindows1252(std::string_view bytes)
{
    const std::u32string decoded = TextEncoding::decodeWindows1252(bytes);
    require(decoded.size() == bytes.size(), "each windows-1252 byte is one character");
    const auto encoded = TextEncoding::encodeWindows1252(decoded);
    require(encoded && *encoded == bytes, "windows-1252 decodes and encodes back to the same bytes");
    const auto fromUtf8 = TextEncoding::encodeWindows1252(TextEncoding::decodeUtf8(bytes));
    if (fromUtf8)
        require(TextEncoding::decodeWindows1252(*fromUtf8) == TextEncoding::decodeUtf8(bytes),
                "a text that windows-1252 can hold keeps its characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes = inputText(data, size);
    checkUtf8(bytes);
    checkWindows1252(bytes);
    return 0;
}
