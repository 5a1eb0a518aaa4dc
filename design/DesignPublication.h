#pragma once

#include "generator/DesignCheck.h"
#include "generator/GeneratedTexts.h"
#include "project/Expected.h"
#include "project/FileSet.h"
#include "project/ProjectRecord.h"

#include <string>
#include <vector>

// The design check and the generation, in the order in which both editions run them: the check reads
// the design as it stands, the generator the design as the wizard's pages would hold it.
class DesignPublication
{
public:
    struct Result
    {
        std::vector<DesignFinding> findings;
        GeneratedTexts texts;
        std::vector<FileSet::File> files;
    };

    // The news box files in memory, named as they are written; record.workFolder is the folder whose
    // file name limit they are held to. A design the generator refuses is refused.
    static Expected<Result> build(ProjectRecord record);
    // What the check finds (background images looked for in imageFolder), then build().
    static Expected<Result> checkAndBuild(const ProjectRecord& record, const std::string& imageFolder);
    // checkAndBuild(), then every file written into record.workFolder all together.
    static Expected<Result> publish(const ProjectRecord& record, const std::string& imageFolder);
};
