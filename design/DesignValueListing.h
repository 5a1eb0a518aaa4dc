#pragma once

#include "design/DesignValues.h"

#include <string>

// The texts of show and set: a design's values by their names, each in the form that set takes back, and
// the list and completion words of the names.
class DesignValueListing
{
public:
    // One NAME=VALUE line per value, the messages as a JSON array on one line.
    static std::string asText(const ProjectRecord& record);
    // An object with one member per name; the messages as an array of objects.
    static std::string asJson(const ProjectRecord& record);

    // Every name by the step that shows its control, with the control's caption and what it takes.
    static std::string namesHelp();
    // For the shell's completion: every name, or the whole values that the named value takes.
    static std::string completionWords(const std::vector<std::string>& arguments);

    // The hidden command by which the shell's completion asks for completionWords().
    static constexpr const char* completionCommand = "__complete-set";
};
