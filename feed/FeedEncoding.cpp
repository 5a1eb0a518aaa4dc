#include "feed/FeedEncoding.h"

#include "feed/FeedPosition.h"
#include "feed/PiecewiseUtf8.h"
#include "feed/Utf8Repair.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <cctype>

namespace {

using namespace std::string_view_literals;

constexpr std::string_view readable = "a feed may be UTF-8, UTF-16, windows-1252 or ISO-8859-1";

enum class ByteOrder
{
    Little,
    Big
};

char16_t unitAt(std::string_view bytes, std::size_t at, ByteOrder order)
{
    const auto first = static_cast<unsigned char>(bytes[at]);
    const auto second = static_cast<unsigned char>(bytes[at + 1]);
    return static_cast<char16_t>(order == ByteOrder::Little ? first | second << 8 : first << 8 | second);
}

bool isHighSurrogate(char16_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char16_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// A lone surrogate, or a last byte without its pair, is a replacement character.
std::string fromUtf16(std::string_view bytes, ByteOrder order)
{
    std::string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char16_t unit = unitAt(bytes, at, order);
        if (isHighSurrogate(unit) && at + 3 < bytes.size() && isLowSurrogate(unitAt(bytes, at + 2, order))) {
            const char16_t low = unitAt(bytes, at + 2, order);
            TextEncoding::appendUtf8(text, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) +
                                               (low - 0xDC00));
            at += 2;
        } else {
            TextEncoding::appendUtf8(text, isHighSurrogate(unit) || isLowSurrogate(unit) ? 0xFFFD : unit);
        }
    }
    if (at < bytes.size())
        TextEncoding::appendUtf8(text, 0xFFFD);
    return text;
}

std::string lowered(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

struct Declared
{
    std::string name;
    std::size_t offset = 0;
};

// The encoding named in the XML declaration, in lower case, and where its name starts; an empty name
// when none is named.
Declared declaredEncoding(std::string_view bytes)
{
    if (!bytes.starts_with("<?xml"))
        return {};
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t name = declaration.find("encoding");
    if (name == std::string_view::npos)
        return {};
    const std::size_t open = declaration.find_first_of("\"'", name);
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = declaration.find(declaration[open], open + 1);
    return {lowered(declaration.substr(open + 1, close == std::string_view::npos ? 0 : close - open - 1)),
            open + 1};
}

bool isAnyOf(const std::string& name, std::initializer_list<std::string_view> names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

} // namespace

Expected<std::string> FeedEncoding::utf8Of(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return Utf8Repair::repaired(bytes.substr(3));
    // Windows tools write a mark; others leave it out, and then the NUL bytes of Latin text tell.
    if (const auto wide = TextEncoding::wideEncodingOf(bytes)) {
        if (wide->unitSize != 2)
            return FeedPosition::of(1, 1).error("the feed is " + std::string(wide->name) +
                                                " text, which the import does not read; " +
                                                std::string(readable));
        const std::string_view units =
            bytes.starts_with(wide->byteOrderMark) ? bytes.substr(wide->byteOrderMark.size()) : bytes;
        return fromUtf16(units, wide->characterByte == 0 ? ByteOrder::Little : ByteOrder::Big);
    }
    // XML may leave out the mark: its first character, "<", tells the byte order.
    if (bytes.starts_with("<\0"sv))
        return fromUtf16(bytes, ByteOrder::Little);
    if (bytes.starts_with("\0<"sv))
        return fromUtf16(bytes, ByteOrder::Big);
    const Declared declared = declaredEncoding(bytes);
    // A declaration naming UTF-16 on bytes that are not is read as what the bytes are.
    if (isAnyOf(declared.name, {"", "utf-8", "utf8", "utf-16", "utf16"}))
        return Utf8Repair::repaired(bytes);
    if (isAnyOf(declared.name, {"windows-1252", "cp1252", "iso-8859-1", "iso8859-1", "iso_8859-1", "latin1",
                                "l1", "us-ascii", "ascii"}))
        return PiecewiseUtf8::of(bytes, TextEncoding::decodeWindows1252);
    return FeedPosition::at(bytes, declared.offset)
        .error("the feed names its encoding " + Error::quoted(declared.name) +
               ", which the import does not read; " + std::string(readable));
}
