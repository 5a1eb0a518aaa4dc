#pragma once

#include "project/FileError.h"
#include "project/ProjectRecord.h"
#include "project/ProjectTextIndex.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Fills the record from the built-in default project (first read) or from the file at projectPath.
class ProjectReader
{
public:
    static constexpr std::uintmax_t maxFileBytes = 64 * 1024 * 1024;

    // refreshPages runs after every successful read, so the wizard's pages show the new design.
    ProjectReader(std::string_view builtInDefaultProject, std::function<void()> refreshPages = {});

    // On failure the record keeps its values (only projectText is emptied) and the error names the file.
    std::optional<FileError> readProject(ProjectRecord& record) const;

private:
    // Every setting is assigned: a record missing from the text gives "" or 0, never the old value.
    static void assign(ProjectRecord& record, const ProjectTextIndex& index, int count);

    std::string_view builtInDefaultProject_;
    std::function<void()> refreshPages_;
};
