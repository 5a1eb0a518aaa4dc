#include "feed/FeedLink.h"

#include "project/FieldCharacters.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

namespace {

constexpr std::array allowedSchemes{"http", "https", "mailto", "ftp"};
// Longer than any address a site uses; a longer base is not used, so that a hostile feed cannot make every
// link a copy of it.
constexpr std::size_t maxBaseBytes = 2048;
// The box does nothing on a click when the link is this short or shorter.
constexpr std::size_t shortestIgnored = 3;

// The length that the box's script counts: UTF-16 units of the UTF-8 text.
std::size_t scriptLength(std::string_view utf8)
{
    std::size_t units = 0;
    for (char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        units += (byte & 0xC0) != 0x80 ? 1 : 0;
        units += byte >= 0xF0 ? 1 : 0;
    }
    return units;
}

std::string_view trimmed(std::string_view text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; };
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// The scheme in lower case, or nothing for a relative reference.
std::optional<std::string> schemeOf(std::string_view link)
{
    if (link.empty() || !std::isalpha(static_cast<unsigned char>(link.front())))
        return std::nullopt;
    for (std::size_t at = 1; at < link.size(); ++at) {
        const auto c = static_cast<unsigned char>(link[at]);
        if (c == ':') {
            std::string scheme(link.substr(0, at));
            std::transform(scheme.begin(), scheme.end(), scheme.begin(),
                           [](unsigned char letter) { return static_cast<char>(std::tolower(letter)); });
            return scheme;
        }
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.')
            return std::nullopt;
    }
    return std::nullopt;
}

bool isAllowed(const std::string& scheme)
{
    return std::find(allowedSchemes.begin(), allowedSchemes.end(), scheme) != allowedSchemes.end();
}

std::string removeDotSegments(std::string_view path)
{
    std::string output;
    while (!path.empty()) {
        if (path.starts_with("../"))
            path.remove_prefix(3);
        else if (path.starts_with("./"))
            path.remove_prefix(2);
        else if (path.starts_with("/./"))
            path.remove_prefix(2);
        else if (path == "/.")
            path = "/";
        else if (path.starts_with("/../") || path == "/..") {
            path = path.size() == 3 ? std::string_view("/") : path.substr(3);
            const std::size_t slash = output.rfind('/');
            output.erase(slash == std::string::npos ? 0 : slash);
        } else if (path == "." || path == "..")
            path = {};
        else {
            const std::size_t end = path.find('/', 1);
            output += path.substr(0, end);
            path = end == std::string_view::npos ? std::string_view() : path.substr(end);
        }
    }
    return output;
}

// An absolute address split as resolution needs it: "scheme://authority", the path, then query and
// fragment.
struct Parts
{
    std::string origin;
    std::string path;
    std::string query;
};

Parts split(std::string_view address)
{
    address = address.substr(0, address.find('#'));
    const std::size_t questionMark = address.find('?');
    const std::string_view beforeQuery = address.substr(0, questionMark);
    Parts parts;
    if (questionMark != std::string_view::npos)
        parts.query = address.substr(questionMark);
    std::size_t pathStart = beforeQuery.find(':') + 1;
    if (beforeQuery.substr(pathStart).starts_with("//"))
        pathStart = std::min(beforeQuery.find('/', pathStart + 2), beforeQuery.size());
    parts.origin = beforeQuery.substr(0, pathStart);
    parts.path = beforeQuery.substr(pathStart);
    return parts;
}

std::string resolved(std::string_view base, std::string_view reference)
{
    const Parts parts = split(base);
    if (reference.starts_with("//"))
        return parts.origin.substr(0, parts.origin.find(':') + 1) + std::string(reference);
    if (reference.starts_with("/"))
        return parts.origin + removeDotSegments(reference);
    if (reference.empty() || reference.front() == '#')
        return parts.origin + parts.path + parts.query + std::string(reference);
    if (reference.front() == '?')
        return parts.origin + parts.path + std::string(reference);
    const std::size_t lastSlash = parts.path.rfind('/');
    const std::string directory =
        lastSlash == std::string::npos ? std::string("/") : parts.path.substr(0, lastSlash + 1);
    const std::size_t queryOrFragment = reference.find_first_of("?#");
    return parts.origin + removeDotSegments(directory + std::string(reference.substr(0, queryOrFragment))) +
           std::string(queryOrFragment == std::string_view::npos ? std::string_view()
                                                                 : reference.substr(queryOrFragment));
}

// A link is a one-line value: a character that breaks a line is percent-encoded with the ASCII ones that
// the box's scripts cannot hold as they are.
std::string percentEncoded(std::string_view link)
{
    static constexpr char hex[] = "0123456789ABCDEF";
    static constexpr std::string_view awkward = " '\"\\<>`";
    std::string encoded;
    for (char32_t c : TextEncoding::decodeUtf8(link)) {
        const std::string bytes = TextEncoding::encodeUtf8(std::u32string(1, c));
        if (!FieldCharacters::breaksLine(c) &&
            (c >= 0x80 || awkward.find(static_cast<char>(c)) == std::string_view::npos)) {
            encoded += bytes;
            continue;
        }
        for (const char b : bytes) {
            const auto byte = static_cast<unsigned char>(b);
            encoded += '%';
            encoded += hex[byte >> 4];
            encoded += hex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace

std::string FeedLink::resolve(std::string_view base, std::string_view reference)
{
    reference = trimmed(reference);
    if (reference.empty())
        return {};
    std::string link;
    if (const auto scheme = schemeOf(reference))
        link = isAllowed(*scheme) ? std::string(reference) : std::string();
    else if (const auto baseScheme = schemeOf(trimmed(base));
             base.size() <= maxBaseBytes && (baseScheme == "http" || baseScheme == "https"))
        link = resolved(trimmed(base), reference);
    else
        link = reference;
    link = percentEncoded(link);
    return scriptLength(link) > shortestIgnored ? link : std::string();
}
