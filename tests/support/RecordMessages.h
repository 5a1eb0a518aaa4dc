#pragma once

#include "project/ProjectRecord.h"

#include <vector>

// A design's messages in list order, to compare with expected messages in one assertion.
inline std::vector<Message> messagesOf(const ProjectRecord& record)
{
    std::vector<Message> messages;
    for (int i = 0; i < record.messageCount(); ++i)
        messages.push_back(record.message(i));
    return messages;
}
