#include "project/Error.h"

#include <cerrno>
#include <cstring>

Error Error::file(std::string path, const std::string& reason)
{
    std::string message = "\"" + path + "\": " + reason + ".";
    return Error(FileFailed, std::move(path), std::move(message));
}

Error Error::fromErrno(std::string path, const std::string& action)
{
    const int error = errno;
    std::string reason = action;
    if (error != 0)
        reason += ": " + std::string(std::strerror(error));
    return file(std::move(path), reason);
}

std::string Error::sizeInWords(std::uintmax_t bytes)
{
    return std::to_string(bytes) + " bytes (" + std::to_string(bytes / (1024 * 1024)) + " MiB)";
}
