#pragma once

#include "project/ProjectEncoding.h"

#include <QString>

#include <string>

// The record holds bytes; controls show characters. A design is UTF-8, or windows-1252 when it came
// from an 8-bit project file, and a value the user leaves as it was is written back byte for byte.
class RecordText
{
public:
    static QString shown(const ProjectRecord& record, const std::string& bytes);
    // For showing many texts at once: finding the design's encoding reads the whole design.
    static QString shown(ProjectEncoding::Kind encoding, const std::string& bytes);

    // Stores an edited control text into `field` of `record`. When a windows-1252 design receives a
    // character that windows-1252 cannot hold, the whole design is re-encoded as UTF-8 first.
    static void store(ProjectRecord& record, std::string& field, const QString& text);

    // Bytes for a new text (a new message), in the design's encoding, re-encoding the design if needed.
    static std::string bytesFor(ProjectRecord& record, const QString& text);
};
