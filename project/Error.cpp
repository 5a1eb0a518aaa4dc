#include "project/Error.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t longestQuoted = 80;

std::string escapeOf(unsigned char byte)
{
    switch (byte) {
    case '\r':
        return "\\r";
    case '\n':
        return "\\n";
    case '\t':
        return "\\t";
    default:
        constexpr char digits[] = "0123456789ABCDEF";
        return std::string("\\x") + digits[byte >> 4] + digits[byte & 0xF];
    }
}

} // namespace

Error Error::file(std::string path, const std::string& reason)
{
    std::string message = "\"" + path + "\": " + reason + ".";
    return Error(FileFailed, std::move(path), std::move(message));
}

Error Error::fromErrno(std::string path, const std::string& action)
{
    const int error = errno;
    if (error == 0)
        return file(std::move(path), action);
    const std::string why = std::strerror(error);
    return file(std::move(path), action + ": " + why).because("system", {why});
}

Error Error::because(std::string rule, std::vector<std::string> values) &&
{
    rule_ = std::move(rule);
    values_ = std::move(values);
    return std::move(*this);
}

std::string Error::sizeInWords(std::uintmax_t bytes)
{
    return std::to_string(bytes) + " bytes (" + std::to_string(bytes / (1024 * 1024)) + " MiB)";
}

std::string Error::quoted(std::string_view value)
{
    // A long value is cut before a character, not inside its UTF-8 sequence.
    std::size_t end = std::min(value.size(), longestQuoted);
    while (end < value.size() && end > 0 && (static_cast<unsigned char>(value[end]) & 0xC0) == 0x80)
        --end;
    std::string shown = "\"";
    for (char c : value.substr(0, end)) {
        const auto byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte == 0x7F ? escapeOf(byte) : std::string(1, c);
    }
    return shown + (end < value.size() ? "\u2026\"" : "\"");
}
