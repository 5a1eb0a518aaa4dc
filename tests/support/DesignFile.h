#pragma once

#include "generator/PageRoundTrip.h"
#include "tests/support/ProjectFile.h"

// A project file's design as marquetto-cli generate takes it: read, then through the pages' load and flush,
// to be generated into `workFolder` (which ends in a separator).
inline ProjectRecord designToGenerate(const std::string& projectPath, const std::string& workFolder)
{
    ProjectRecord record = readProjectFile(projectPath);
    PageRoundTrip::apply(record);
    record.workFolder = workFolder;
    return record;
}
