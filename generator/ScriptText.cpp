#include "generator/ScriptText.h"

#include "generator/ScriptEscape.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

bool isAscii(std::string_view bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A backslash before a non-ASCII character would take in the backslash of the escape that the character
// is written as, and one before a double quote the backslash that the quote is given.
bool startsEscape(std::u32string_view text, std::size_t backslash, bool quotesEscaped)
{
    if (backslash + 1 >= text.size())
        return false;
    const char32_t next = text[backslash + 1];
    if (next >= 0x80 || (quotesEscaped && next == '"'))
        return false;
    return ScriptEscape::at(text, backslash).has_value();
}

void appendUnicodeEscape(std::string& out, char32_t unit)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "\\u%04X", static_cast<unsigned>(unit));
    out += buffer;
}

void appendCharacter(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c <= 0xFFFF) {
        appendUnicodeEscape(out, c);
    } else {
        const char32_t offset = c - 0x10000;
        appendUnicodeEscape(out, 0xD800 + (offset >> 10));
        appendUnicodeEscape(out, 0xDC00 + (offset & 0x3FF));
    }
}

bool staysInAddress(unsigned char byte)
{
    // A colon would make a relative address read as one with a scheme ("my:box_newstic.html"), and an
    // ampersand a character reference in the attributes that hold the addresses ("news&amp;newstic.html").
    static constexpr std::string_view unsafe = "\"#%&'():<>?[\\]^`{|}";
    return byte > 0x20 && byte < 0x7F && unsafe.find(static_cast<char>(byte)) == std::string_view::npos;
}

} // namespace

std::string ScriptText::literalBody(std::string_view bytes) const
{
    return escaped(bytes, Quotes::Escaped);
}

std::string ScriptText::fontFace(std::string_view bytes) const
{
    return escaped(bytes, Quotes::Single);
}

std::u32string ScriptText::characters(std::string_view bytes) const
{
    std::u32string decoded;
    if (isAscii(bytes))
        decoded.assign(bytes.begin(), bytes.end());
    else
        decoded = encoding() == ProjectEncoding::Utf8 ? TextEncoding::decodeUtf8(bytes)
                                                      : TextEncoding::decodeWindows1252(bytes);
    std::erase_if(decoded, [](char32_t c) { return c == '\r' || c == '\n'; });
    return decoded;
}

std::vector<bool> ScriptText::literalBackslashes(std::u32string_view characters, bool quotesEscaped)
{
    std::vector<bool> doubled(characters.size(), false);
    for (std::size_t at = 0; at < characters.size(); ++at) {
        if (characters[at] != '\\')
            continue;
        if (startsEscape(characters, at, quotesEscaped))
            ++at;
        else
            doubled[at] = true;
    }
    return doubled;
}

std::string ScriptText::escaped(std::string_view bytes, Quotes quotes) const
{
    const std::u32string text = characters(bytes);
    const std::vector<bool> doubled = literalBackslashes(text, quotes == Quotes::Escaped);
    std::string out;
    out.reserve(text.size() + 8);
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char32_t c = text[at];
        if (doubled[at])
            out += '\\';
        if (c == '"')
            out += quotes == Quotes::Escaped ? "\\\"" : "'";
        else
            appendCharacter(out, c);
    }
    return out;
}

std::string ScriptText::fileName(std::string_view bytes) const
{
    if (isAscii(bytes) || encoding() == ProjectEncoding::Utf8)
        return std::string(bytes);
    return TextEncoding::encodeUtf8(TextEncoding::decodeWindows1252(bytes));
}

std::string ScriptText::address(std::string_view bytes) const
{
    std::string out;
    for (char c : fileName(bytes)) {
        const auto byte = static_cast<unsigned char>(c);
        if (staysInAddress(byte)) {
            out += c;
            continue;
        }
        char buffer[4];
        std::snprintf(buffer, sizeof buffer, "%%%02X", byte);
        out += buffer;
    }
    return out;
}

ProjectEncoding::Kind ScriptText::encoding() const
{
    if (!encoding_)
        encoding_ = ProjectEncoding::of(record_);
    return *encoding_;
}
