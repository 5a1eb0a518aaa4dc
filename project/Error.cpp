#include "project/Error.h"

#include "project/FieldCharacters.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t longestQuoted = 80;

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
    return "\"" + FieldCharacters::escaped(value.substr(0, end)) + (end < value.size() ? "\u2026\"" : "\"");
}
