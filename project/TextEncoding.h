#pragma once

#include <optional>
#include <string>
#include <string_view>

// Which characters a project's bytes stand for. Projects typed on Linux are UTF-8; any other byte text
// is an 8-bit file from elsewhere, read as windows-1252 the way browsers define it, where every byte is
// one character, so that the bytes can always be written back exactly.
class TextEncoding
{
public:
    static bool isUtf8(std::string_view bytes);

    static std::u32string decodeUtf8(std::string_view bytes);
    static std::string encodeUtf8(std::u32string_view text);
    static void appendUtf8(std::string& bytes, char32_t character);

    static std::u32string decodeWindows1252(std::string_view bytes);
    // Empty when a character has no windows-1252 byte.
    static std::optional<std::string> encodeWindows1252(std::u32string_view text);

    // UTF-16 or UTF-32, in either byte order, as the first bytes of a text show it.
    struct WideEncoding
    {
        std::string_view name;
        std::string_view byteOrderMark;
        std::size_t unitSize;
        // Where a character below 256 has its one byte that is not NUL: 0 in little-endian text.
        std::size_t characterByte;
    };
    // Told by a byte-order mark or, without one, by the NUL bytes that Latin text has in every code unit.
    static std::optional<WideEncoding> wideEncodingOf(std::string_view head);
};
