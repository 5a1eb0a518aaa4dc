#pragma once

#include "project/Message.h"
#include "project/ProjectRecord.h"

#include <vector>

// Puts messages read from a feed into a design, keeping the design's character encoding consistent.
class ImportedMessages
{
public:
    // Replaces the design's messages, or adds after them when `append` is set. Imported texts are UTF-8:
    // in a windows-1252 design they are written as windows-1252 when every character has a byte there,
    // and otherwise the whole design becomes UTF-8, as when such a character is typed in the wizard.
    static void put(ProjectRecord& record, std::vector<Message> messages, bool append);
};
