#include "generator/ScriptText.h"

#include "project/TextEncoding.h"

#include <algorithm>
#include <cstdio>

namespace {

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

void appendUnicodeEscape(std::string& out, char32_t unit)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
    out += buffer;
}

void appendCharacter(std::string& out, char32_t c, bool escapeQuotes)
{
    if (c == '\r' || c == '\n')
        return;
    if (c < 0x80) {
        if (escapeQuotes && c == '"')
            out += '\\';
        out += static_cast<char>(c);
    } else if (c <= 0xFFFF) {
        appendUnicodeEscape(out, c);
    } else {
        const char32_t offset = c - 0x10000;
        appendUnicodeEscape(out, 0xD800 + (offset >> 10));
        appendUnicodeEscape(out, 0xDC00 + (offset & 0x3FF));
    }
}

} // namespace

std::string ScriptText::literalBody(std::string_view bytes) const
{
    return escaped(bytes, true);
}

std::string ScriptText::asciiOnly(std::string_view bytes) const
{
    return escaped(bytes, false);
}

std::string ScriptText::escaped(std::string_view bytes, bool escapeQuotes) const
{
    std::string out;
    out.reserve(bytes.size() + 8);
    if (isAscii(bytes)) {
        for (char c : bytes)
            appendCharacter(out, static_cast<char32_t>(c), escapeQuotes);
        return out;
    }
    const std::u32string characters = encoding() == ProjectEncoding::Utf8
                                          ? TextEncoding::decodeUtf8(bytes)
                                          : TextEncoding::decodeWindows1252(bytes);
    for (char32_t c : characters)
        appendCharacter(out, c, escapeQuotes);
    return out;
}

ProjectEncoding::Kind ScriptText::encoding() const
{
    if (!encoding_)
        encoding_ = ProjectEncoding::of(record_);
    return *encoding_;
}

std::string ScriptText::percentEncoded(std::string_view bytes)
{
    std::string out;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
            continue;
        }
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%%%02X", byte);
        out += buffer;
    }
    return out;
}
