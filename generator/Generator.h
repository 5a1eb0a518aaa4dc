#pragma once

#include "generator/GeneratedTexts.h"
#include "project/FileError.h"
#include "project/ProjectRecord.h"

#include <optional>
#include <string>

// One generation run: the design becomes the host page, the two runtime scripts and the preview page.
class Generator
{
public:
    // Builds every text into `texts`, then writes preview.html, NAME newstic.html, NAME newsticns6.js and
    // NAME newsticie.js into record.workFolder, in that order. The run stops at the first file that
    // cannot be written; files written before it keep their new contents.
    static std::optional<FileError> GenerateOutputs(const ProjectRecord& record, GeneratedTexts& texts);

    // The three news box file names, one per line, as the "Generated files :" box shows them.
    static std::string generatedFilesText(const ProjectRecord& record);
};
