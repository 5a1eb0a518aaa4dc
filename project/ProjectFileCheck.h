#pragma once

#include "project/Expected.h"

#include <cstdint>
#include <string>
#include <string_view>

class ProjectTextScanner;

// Refuses a file that cannot be a project before it replaces the design. A project is UTF-8 or 8-bit text
// that holds at least one record and never a NUL byte; anything else (UTF-16 or UTF-32 text, an empty
// file, an image) would otherwise read as an empty design, which the next save writes over the file.
class ProjectFileCheck
{
public:
    // The bytes of the file from `offset` on; the piece at offset 0 is also where a wide encoding shows.
    [[nodiscard]] static Expected<void> checkPiece(std::string_view piece, std::uintmax_t offset,
                                                   const std::string& name);
    // The whole file, `length` bytes, once every piece has been scanned.
    [[nodiscard]] static Expected<void> checkScanned(std::uintmax_t length, const ProjectTextScanner& scanner,
                                                     const std::string& name);
};
