#pragma once

#include "project/ProjectRecord.h"
#include "tests/support/ProjectFile.h"

// The default design as tests/data/default-written.tkp holds it: typed by hand in the writer's layout, apart
// from the built-in project text, and without the state a read leaves (the design is not yet saved).
inline ProjectRecord defaultDesign()
{
    ProjectRecord design = readProjectFile(testData("default-written.tkp"));
    const ProjectRecord unsaved;
    design.useDefaultProject = unsaved.useDefaultProject;
    design.projectPath = unsaved.projectPath;
    design.projectUntitled = unsaved.projectUntitled;
    return design;
}
