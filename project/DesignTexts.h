#pragma once

#include "project/ProjectRecord.h"

#include <functional>
#include <string>
#include <string_view>

// Every text of a design with the place where the wizard shows it, for the rules that hold for each text.
class DesignTexts
{
public:
    struct Place
    {
        int step;
        std::string_view field; // the caption of its control
        int message;            // counted from 1; 0 for a setting
        bool oneLine;           // every text but a message's text is typed into a one-line field
    };

    // The settings in the order of the steps, then each message's title, text, link and target. `visit`
    // returns true to stop; the result says whether it did.
    static bool visit(const ProjectRecord& record,
                      const std::function<bool(const Place& place, const std::string& text)>& visit);
};
