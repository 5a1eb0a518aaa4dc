#pragma once

#include "project/FileError.h"

#include <optional>
#include <string>

// Why a generation run did not finish: a design it refuses before writing anything, or a file it could
// not write.
class GenerationError
{
public:
    enum Code
    {
        DesignRefused,
        FileNotWritten
    };

    GenerationError(FileError error) : code_(FileNotWritten), file_(std::move(error)) {}
    static GenerationError refused(std::string reason) { return GenerationError(std::move(reason)); }

    Code code() const { return code_; }
    // The file that could not be written; empty for a refused design.
    std::string path() const { return file_ ? file_->path() : std::string(); }
    std::string message() const { return file_ ? file_->message() : reason_; }

private:
    explicit GenerationError(std::string reason) : code_(DesignRefused), reason_(std::move(reason)) {}

    Code code_;
    std::optional<FileError> file_;
    std::string reason_;
};
