#pragma once

#include "project/Expected.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads and writes of byte texts, each failure reported with the file's name.
class TextFile
{
public:
    static Expected<std::string> read(const std::string& path, std::uintmax_t maxBytes);

    // Creates or truncates the file and writes the text, as generated files are written.
    static std::optional<FileError> write(const std::string& path, std::string_view text);

    // Writes beside the target and renames over it, so a failure never leaves a half-written file.
    static std::optional<FileError> replace(const std::string& path, std::string_view text);
};
