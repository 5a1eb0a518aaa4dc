#pragma once

#include "generator/GeneratedTexts.h"
#include "project/Expected.h"
#include "project/FileSet.h"
#include "project/ProjectRecord.h"

#include <string>
#include <string_view>
#include <vector>

// One generation run: the design becomes the host page, the two runtime scripts and the preview page.
class Generator
{
public:
    // Builds every text into `texts` and the files they make: preview.html, NAME newstic.html, NAME
    // newsticns6.js, NAME newsticie.js and, with live messages, NAME messages.json. A design with a template
    // placeholder in a value, or a box name that holds a path separator or makes a file name longer than
    // record.workFolder allows, is refused.
    static Expected<std::vector<FileSet::File>> BuildOutputFiles(const ProjectRecord& record,
                                                                 GeneratedTexts& texts);
    // Builds the files and writes them into record.workFolder all together: a file that cannot be
    // written leaves every file there as it was.
    static Expected<void> GenerateOutputs(const ProjectRecord& record, GeneratedTexts& texts);

    // The news box file names, one per line, as the "Generated files :" box shows them.
    static std::string generatedFilesText(const ProjectRecord& record);

    // The name under which a news box file is written: the box name in UTF-8, then `file`.
    static std::string boxFileName(const ProjectRecord& record, std::string_view file);
    // The suffix of the longest news box file name.
    static constexpr std::string_view longestFileSuffix = "newsticns6.js";
    // The longest file name, in bytes, that `folder` can hold.
    static long fileNameLimit(const std::string& folder);
    // The background image's name as the file system holds it.
    static std::string imageFileName(const ProjectRecord& record);
};
