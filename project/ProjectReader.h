#pragma once

#include "project/Error.h"
#include "project/InputFile.h"
#include "project/ProjectRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class ProjectTextScanner;
class SpanReader;

// Fills the record from the built-in default project (first read) or from the file at projectPath.
class ProjectReader
{
public:
    static constexpr std::uintmax_t maxFileBytes = 64 * 1024 * 1024;

    // refreshPages runs after every successful read, so the wizard's pages show the new design.
    ProjectReader(std::string_view builtInDefaultProject, std::function<void()> refreshPages = {});

    // On failure the record keeps its values and the error names the file. A file that holds a NUL byte,
    // is UTF-16 or UTF-32, is empty or holds no record at all is refused as not a project.
    Expected<void> readProject(ProjectRecord& record) const;
    // The same from a file already open, such as standard input; projectPath is left as it is.
    [[nodiscard]] Expected<void> readProjectFrom(ProjectRecord& record, InputFile& file) const;

private:
    // A file that cannot be a project is refused before its values are read.
    [[nodiscard]] static Expected<void> loadFile(ProjectRecord& loaded, InputFile& file);
    [[nodiscard]] static Expected<void> loadStream(ProjectRecord& loaded, InputFile& file);
    [[nodiscard]] static Expected<void> load(ProjectRecord& loaded, const ProjectTextScanner& scanner,
                                             SpanReader& values, const std::string& name);
    [[nodiscard]] Expected<void> loadText(ProjectRecord& loaded, std::string_view text,
                                          const std::string& name) const;
    void adopt(ProjectRecord& record, ProjectRecord& loaded) const;

    std::string_view builtInDefaultProject_;
    std::function<void()> refreshPages_;
};
