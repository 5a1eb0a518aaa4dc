#include "project/FileError.h"

#include <cerrno>
#include <cstring>

FileError FileError::fromErrno(std::string path, const std::string& action)
{
    const int error = errno;
    std::string reason = action;
    if (error != 0)
        reason += ": " + std::string(std::strerror(error));
    return FileError(std::move(path), std::move(reason));
}

std::string FileError::message() const
{
    return "\"" + path_ + "\": " + reason_ + ".";
}

std::string FileError::sizeInWords(std::uintmax_t bytes)
{
    return std::to_string(bytes) + " bytes (" + std::to_string(bytes / (1024 * 1024)) + " MiB)";
}
