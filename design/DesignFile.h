#pragma once

#include "project/Expected.h"
#include "project/ProjectRecord.h"

#include <optional>
#include <string>

// Where a design comes from and goes to: the built-in default project (no file), a project file, or "-",
// standard input and output.
class DesignFile
{
public:
    using Source = std::optional<std::string>;

    static Expected<ProjectRecord> read(const Source& project);
    // Writes the design as the wizard saves it, after its pages' round trip (applied to `record`).
    [[nodiscard]] static Expected<void> write(ProjectRecord& record, const std::string& to);
    // Background images are kept beside the project file; the built-in project and a project read from
    // standard input ("-", a name without a folder) have the current folder.
    static std::string folder(const Source& project);
};
