#pragma once

#include "project/ProjectRecord.h"

#include <string>

// What live messages add to the generated files: the messages file beside the host page, and the script
// that follows the standards runtime and, every few seconds while its page is visible, takes a changed file's
// messages at the runtime's next boundary. A fetched file is untrusted: its texts keep only character
// formatting, built from an inert document, and its links only the schemes a message may follow.
class LiveMessages
{
public:
    static bool isOn(const ProjectRecord& record) { return record.liveMessages == ProjectRecord::ticked; }

    // The script that follows the standards runtime's last statement, before the other options' scripts, so
    // that theirs take its steps for the runtime's own.
    static std::string script(const ProjectRecord& record);
};
