#pragma once

#include "project/ProjectRecord.h"

#include <string>

// What fitting the page width adds to the generated files: a snippet frame that narrows with the reader's
// page down to any width and grows no wider than the design, host boxes that follow the frame, and the script
// that wraps the messages to a narrower column and measures the column again whenever the frame's width
// changes. At the design width nothing differs from the fixed box.
class FitPageWidth
{
public:
    static bool isOn(const ProjectRecord& record) { return record.fitPageWidth == ProjectRecord::ticked; }

    // The frame's style attribute, with a leading blank: a width attribute must be a whole number of pixels.
    static std::string frameStyle(const ProjectRecord& record);

    // The width of the standards runtime's outer box, in place of its inner design width: the frame's width
    // less both borders, at most the inner design width.
    static std::string outerBoxWidth(const ProjectRecord& record);
    static constexpr const char* innerBoxWidth = "100%";

    // The script that follows the standards runtime (and the accessible box's script) and takes over its
    // start after theirs.
    static std::string script(const ProjectRecord& record);
};
