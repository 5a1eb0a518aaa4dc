#pragma once

#include "project/FileError.h"
#include "project/ProjectRecord.h"

#include <optional>
#include <string>

// Turns the record into a project file: 46 setting lines, then four records per message, CR LF ends.
class ProjectWriter
{
public:
    static std::string projectText(const ProjectRecord& record);

    // Replaces the file at the record's projectPath; the previous file survives any failure.
    static std::optional<FileError> writeProject(const ProjectRecord& record);
};
