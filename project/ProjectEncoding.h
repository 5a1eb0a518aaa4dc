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
    // Windows1252 when a text of the message is not UTF-8, as only such a text tells the design's encoding.
    static Kind of(const Message& message);

    // Re-encodes every text of a windows-1252 design as UTF-8, for when a character is typed that
    // windows-1252 has no byte for.
    static void convertToUtf8(ProjectRecord& record) { convertToUtf8(record, of(record)); }
    // The same for a design whose encoding was settled before a change that may have taken away the texts
    // that told it.
    static void convertToUtf8(ProjectRecord& record, Kind settled);

    // A design is known for windows-1252 by a text that is not UTF-8. When a change takes away the last
    // such text, the bytes beyond ASCII left in the others would read back as UTF-8, as other characters
    // than the author's; given the encoding the design had before the change, they become UTF-8 at once.
    static void keepSettled(ProjectRecord& record, Kind settled);
};
