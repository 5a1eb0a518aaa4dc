#pragma once

#include "generator/DesignCheck.h"
#include "project/ProjectRecord.h"

#include <string>
#include <vector>

// What the design check finds in a design as it was read or edited by name, before the wizard's pages
// have derived anything from it.
class DesignFindings
{
public:
    // Background images are looked for in imageFolder.
    static std::vector<DesignFinding> of(const ProjectRecord& record, const std::string& imageFolder);
    // An array with one object per finding: step, field, message, code and text.
    static std::string asJson(const std::vector<DesignFinding>& findings);

private:
    static ProjectRecord asChecked(ProjectRecord record);
};
