#pragma once

#include "project/ProjectRecord.h"

// The character encoding of a whole design: UTF-8 when every text in it is valid UTF-8, otherwise the
// windows-1252 of an 8-bit project file from elsewhere.
class ProjectEncoding
{
public:
    enum Kind
    {
        Utf8,
        Windows1252
    };

    static Kind of(const ProjectRecord& record);

    // Re-encodes every text of a windows-1252 design as UTF-8, for when a character is typed that
    // windows-1252 has no byte for.
    static void convertToUtf8(ProjectRecord& record);
};
