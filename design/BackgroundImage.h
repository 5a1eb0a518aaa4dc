#pragma once

#include "project/Expected.h"
#include "project/FileSet.h"
#include "project/ProjectRecord.h"

#include <optional>
#include <string>

// The page names the background image by its bare name, so it must lie beside the generated files. An
// image with a folder part in its name, or one that is missing, is not brought: the design check says so.
class BackgroundImage
{
public:
    // Copies the image that the design shows from `from` into `to`, unless a copy with the same bytes,
    // left there by an earlier run, is there already.
    [[nodiscard]] static Expected<void> bring(const ProjectRecord& record, const std::string& from,
                                              const std::string& to);
    // The image that the design shows, read from `from`, as a file to write beside the generated ones.
    static Expected<std::optional<FileSet::File>> read(const ProjectRecord& record, const std::string& from);

private:
    static std::optional<std::string> source(const ProjectRecord& record, const std::string& from);
};
