#pragma once

#include "project/Expected.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Whole-file reads, writes and copies of byte texts, each failure reported with the file's name.
class TextFile
{
public:
    [[nodiscard]] static Expected<std::string> read(const std::string& path, std::uintmax_t maxBytes);

    // Writes beside the target and renames over it, so a failure never leaves a half-written file.
    [[nodiscard]] static Expected<void> replace(const std::string& path, std::string_view text);

    // A copy is written as replace() writes, piece by piece, so a large file is never held whole.
    [[nodiscard]] static Expected<void> copy(const std::string& from, const std::string& to);
};
