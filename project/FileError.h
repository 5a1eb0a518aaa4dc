#pragma once

#include <cstdint>
#include <string>

// A file that could not be read or written: which file, and what happened, in words for the user.
class FileError
{
public:
    FileError(std::string path, std::string reason) : path_(std::move(path)), reason_(std::move(reason)) {}

    // Builds the reason from the operating system's last error, as a failed file call leaves it.
    static FileError fromErrno(std::string path, const std::string& action);
    // "67108864 bytes (64 MiB)", as limits and sizes are given in messages.
    static std::string sizeInWords(std::uintmax_t bytes);

    const std::string& path() const { return path_; }
    std::string message() const;

private:
    std::string path_;
    std::string reason_;
};
