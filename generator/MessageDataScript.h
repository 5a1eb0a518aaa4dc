#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The JavaScript arrays that carry the messages into both runtimes: four lines, each ended by CR LF.
class MessageDataScript
{
public:
    static std::string BuildMessageDataScript(const ProjectRecord& record);
};
