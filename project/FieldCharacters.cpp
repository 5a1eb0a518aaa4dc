#include "project/FieldCharacters.h"

#include "project/TextEncoding.h"

#include <cstdio>

namespace {

std::string hexCode(const char* format, char32_t c)
{
    char code[16];
    std::snprintf(code, sizeof code, format, static_cast<unsigned>(c));
    return code;
}

std::string cEscape(char32_t c)
{
    switch (c) {
    case U'\r':
        return "\\r";
    case U'\n':
        return "\\n";
    case U'\t':
        return "\\t";
    default:
        return hexCode(c < 0x80 ? "\\x%02X" : "\\u%04X", c);
    }
}

// The number written by `digits` hexadecimal digits at `at`, or -1.
long hexAt(std::string_view text, std::size_t at, std::size_t digits)
{
    if (at + digits > text.size())
        return -1;
    long value = 0;
    for (char c : text.substr(at, digits)) {
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : -1;
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

} // namespace

bool FieldCharacters::breaksLine(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029;
}

std::optional<FieldCharacters::Found> FieldCharacters::firstRefused(std::u32string_view text, bool oneLine)
{
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == 0 || (oneLine && breaksLine(text[i])))
            return Found{i, text[i]};
    return std::nullopt;
}

std::optional<FieldCharacters::Found> FieldCharacters::firstRefusedInUtf8(std::string_view text, bool oneLine)
{
    return firstRefused(TextEncoding::decodeUtf8(text), oneLine);
}

std::string FieldCharacters::nameOf(char32_t c)
{
    const std::string code = hexCode("(U+%04X)", c);
    switch (c) {
    case 0x00:
        return std::string("a NUL character ") + code;
    case 0x09:
        return std::string("a tab ") + code;
    case 0x0A:
    case 0x0B:
    case 0x0C:
    case 0x0D:
    case 0x85:
    case 0x2028:
    case 0x2029:
        return std::string("a line break ") + code;
    default:
        return std::string("a control character ") + code;
    }
}

std::string FieldCharacters::escaped(std::string_view text, Escapes style)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        const std::u32string decoded =
            lead < 0x80 ? std::u32string(1, lead) : TextEncoding::decodeUtf8(text.substr(at, length));
        // A byte that does not begin a UTF-8 sequence stands for itself.
        if (lead < 0x80 || decoded.size() != 1 || decoded[0] == 0xFFFD)
            length = 1;
        if (length == 1 && lead >= 0x80)
            shown += text[at];
        else if (breaksLine(decoded[0]))
            shown += style == Escapes::C ? cEscape(decoded[0]) : hexCode("\\u%04x", decoded[0]);
        else
            shown += text.substr(at, length);
        at += length;
    }
    return shown;
}

std::optional<FieldCharacters::Escape> FieldCharacters::firstEscape(std::string_view text)
{
    for (std::size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\', at + 1)) {
        if (at + 1 == text.size())
            break;
        const char kind = text[at + 1];
        if (kind == 'r' || kind == 'n' || kind == 't')
            return Escape{text.substr(at, 2), kind == 'r' ? U'\r' : kind == 'n' ? U'\n' : U'\t'};
        const std::size_t digits = kind == 'x' ? 2 : kind == 'u' ? 4 : 0;
        const long value = digits > 0 ? hexAt(text, at + 2, digits) : -1;
        if (value >= 0 && (kind == 'u' || value < 0x80) && breaksLine(static_cast<char32_t>(value)))
            return Escape{text.substr(at, 2 + digits), static_cast<char32_t>(value)};
    }
    return std::nullopt;
}
