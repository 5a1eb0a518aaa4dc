#pragma once

#include "project/ProjectRecord.h"

#include <string>

// Which runtime a design runs, numbered as the scripts that follow the runtime read it: 0 waits for the
// last message, 1 goes page by page, 2 scrolls on and on, 3 fades.
class RuntimeKind
{
public:
    static std::string of(const ProjectRecord& record);
};
