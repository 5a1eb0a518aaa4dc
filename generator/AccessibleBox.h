#pragma once

#include "project/ProjectRecord.h"

#include <string>

// What the accessible box adds to the generated files: a name for the box, the language mark of its pages
// and the script that gives the standards runtime its Pause/Play button, keyboard links, a halt on focus
// and a still box for readers who ask for reduced motion.
class AccessibleBox
{
public:
    static bool isOn(const ProjectRecord& record) { return record.accessibleBox == ProjectRecord::ticked; }

    // The box's name as readers hear it, made from the box name the author typed ("scroller_" is read
    // "scroller"), "News" when nothing is left; as HTML text, fit for an attribute value too.
    static std::string title(const ProjectRecord& record);

    // No design holds the language of its messages, so the pages say it is undetermined: valid markup that
    // lets screen readers keep the reader's own voice.
    static constexpr const char* languageAttribute = " lang=\"und\"";

    // The script that follows the standards runtime's last statement and takes over its start.
    static std::string script(const ProjectRecord& record);
};
