#pragma once

#include "project/Error.h"
#include "project/OutputFile.h"
#include "project/ProjectRecord.h"

#include <cstdint>
#include <optional>
#include <string>

// Turns the record into a project file: 46 setting lines, a line per option that is on, then four records
// per message; CR LF ends each line.
class ProjectWriter
{
public:
    static std::string projectText(const ProjectRecord& record);
    static std::uintmax_t projectSize(const ProjectRecord& record);

    // Replaces the file at the record's projectPath; the previous file survives any failure. A project
    // that the reader would refuse, or read back other than it is, is refused before anything is written.
    static Expected<void> writeProject(const ProjectRecord& record);
    // Whether the design would open again as it is: no value holds a NUL or a text that marks a record, and
    // the project is not larger than the reader takes. The error names `name` as the file not saved.
    [[nodiscard]] static Expected<void> writable(const ProjectRecord& record, const std::string& name);

    // The same into a file already open, such as standard output; the file is committed.
    [[nodiscard]] static Expected<void> writeProjectTo(const ProjectRecord& record, OutputFile& file);

private:
    [[nodiscard]] static Expected<void> streamTo(const ProjectRecord& record, OutputFile& file);
};
