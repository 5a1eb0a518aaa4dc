#pragma once

#include "project/ProjectRecord.h"

// What the wizard's pages do to a freshly read design when they load it and flush it again unchanged:
// a list position outside its list becomes -1, a "Use this :" value other than 1 becomes 0, and the two
// font faces are derived as the Step 3 page derives them. The command-line tool applies it so that its
// files equal the wizard's.
class PageRoundTrip
{
public:
    static void apply(ProjectRecord& record);

    // The face the Step 3 page derives: the custom text when ticked, else the list entry ("" outside it).
    static std::string fontFace(int useCustomFont, const std::string& customFont, int fontIndex);
};
