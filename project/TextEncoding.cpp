#include "project/TextEncoding.h"

#include <algorithm>
#include <array>

namespace {

// 0x80 to 0x9F; the five bytes that windows-1252 leaves undefined map to the C1 control of that number.
constexpr std::array<char32_t, 32> high1252 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Length of the UTF-8 sequence at `at`, or 0 when it is not a valid, shortest-form scalar value.
std::size_t utf8SequenceLength(std::string_view bytes, std::size_t at, char32_t& decoded)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    char32_t value = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        decoded = lead;
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(at + i) & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    decoded = value;
    return length;
}

// UTF-32LE before UTF-16LE: its byte-order mark begins with theirs.
constexpr std::array<TextEncoding::WideEncoding, 4> wideEncodings{{
    {"UTF-32LE", std::string_view("\xFF\xFE\0\0", 4), 4, 0},
    {"UTF-32BE", std::string_view("\0\0\xFE\xFF", 4), 4, 3},
    {"UTF-16LE", "\xFF\xFE", 2, 0},
    {"UTF-16BE", "\xFE\xFF", 2, 1},
}};

// Enough characters to tell the encodings apart, few enough to lie in the first piece of any file.
constexpr std::size_t headBytes = 64;

// Without a byte-order mark, wide text of Latin letters has one byte that is not NUL in each code unit;
// three units in four let a few other characters stand among them.
bool looksLike(const TextEncoding::WideEncoding& encoding, std::string_view head)
{
    const std::size_t units = std::min(head.size(), headBytes) / encoding.unitSize;
    if (units < 2)
        return false;
    std::size_t alike = 0;
    for (std::size_t unit = 0; unit < units; ++unit) {
        bool matches = true;
        for (std::size_t i = 0; i < encoding.unitSize; ++i) {
            const bool nul = head[unit * encoding.unitSize + i] == '\0';
            matches = matches && nul == (i != encoding.characterByte);
        }
        alike += matches ? 1 : 0;
    }
    return alike * 4 >= units * 3;
}

} // namespace

std::optional<TextEncoding::WideEncoding> TextEncoding::wideEncodingOf(std::string_view head)
{
    for (const WideEncoding& encoding : wideEncodings)
        if (head.starts_with(encoding.byteOrderMark))
            return encoding;
    for (const WideEncoding& encoding : wideEncodings)
        if (looksLike(encoding, head))
            return encoding;
    return std::nullopt;
}

bool TextEncoding::isUtf8(std::string_view bytes)
{
    char32_t ignored = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = utf8SequenceLength(bytes, at, ignored);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

std::u32string TextEncoding::decodeUtf8(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t at = 0; at < bytes.size();) {
        char32_t c = 0;
        const std::size_t length = utf8SequenceLength(bytes, at, c);
        text += length == 0 ? char32_t{0xFFFD} : c;
        at += length == 0 ? 1 : length;
    }
    return text;
}

std::string TextEncoding::encodeUtf8(std::u32string_view text)
{
    std::string bytes;
    for (char32_t c : text)
        appendUtf8(bytes, c);
    return bytes;
}

void TextEncoding::appendUtf8(std::string& bytes, char32_t c)
{
    if (c < 0x80) {
        bytes += static_cast<char>(c);
    } else if (c < 0x800) {
        bytes += static_cast<char>(0xC0 | (c >> 6));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes += static_cast<char>(0xE0 | (c >> 12));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes += static_cast<char>(0xF0 | (c >> 18));
        bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::u32string TextEncoding::decodeWindows1252(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto byte = static_cast<unsigned char>(b);
        text += byte >= 0x80 && byte <= 0x9F ? high1252[byte - 0x80] : char32_t{byte};
    }
    return text;
}

std::optional<std::string> TextEncoding::encodeWindows1252(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (char32_t c : text) {
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            bytes += static_cast<char>(c);
            continue;
        }
        std::size_t found = 0;
        while (found < high1252.size() && high1252[found] != c)
            ++found;
        if (found == high1252.size())
            return std::nullopt;
        bytes += static_cast<char>(0x80 + found);
    }
    return bytes;
}
