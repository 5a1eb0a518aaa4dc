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
};
