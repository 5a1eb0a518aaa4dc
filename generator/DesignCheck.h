#pragma once

#include "project/ProjectRecord.h"

#include <string>
#include <string_view>
#include <vector>

// One thing in a design that breaks its news box or makes it show something other than what was typed.
struct DesignFinding
{
    int step = 0;      // the wizard step where the author fixes it, 1 to 4
    std::string field; // the field's caption on that step ("Width", "Title")
    int message = 0;   // the message, counted from 1; 0 when the field is not a message's
    std::string code;  // a short name of the rule, stable from one version to the next
    std::string text;  // the whole finding as a line: step, message, field, then what happens
};

// Finds what in a design will break its generated news box or make it show something other than what
// was typed; one line per finding, each naming the step and field to fix and saying what will happen.
class DesignCheck
{
public:
    // The font faces are read as generated (textFontFace, titleFontFace); background images are looked
    // for in imageFolder.
    static std::vector<DesignFinding> findings(const ProjectRecord& record, const std::string& imageFolder);
    // The texts of findings().
    static std::vector<std::string> problems(const ProjectRecord& record, const std::string& imageFolder);

    // Where a finding is: the step, the field's caption and the message (0 for none).
    struct Place
    {
        int step;
        std::string field;
        int message = 0;
    };

    using Found = std::vector<DesignFinding>;

    // Adds a finding, its text made from the place and what happens.
    static void add(Found& found, const Place& place, const char* code, const std::string& what);
    static std::string quoted(const std::string& text);

private:
    static void checkColours(const ProjectRecord& record, Found& found);
    static void checkPlaceholders(const ProjectRecord& record, Found& found);
    static void checkName(const ProjectRecord& record, const std::string& folder, Found& found);
    static void checkLists(const ProjectRecord& record, Found& found);
    static void checkImage(const ProjectRecord& record, const std::string& imageFolder, Found& found);
    static void checkLines(const ProjectRecord& record, Found& found);
};
