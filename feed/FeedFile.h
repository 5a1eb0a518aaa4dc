#pragma once

#include "project/Expected.h"
#include "project/InputFile.h"

#include <string>

// The bytes of a feed file, held to the import's size limit before any of them is parsed.
class FeedFile
{
public:
    enum class Kind
    {
        // A pipe too, such as a shell's process substitution.
        AnyFile,
        // Anything else is refused at once, so that a program with a window never waits on a FIFO.
        RegularFile
    };

    static Expected<std::string> read(const std::string& path, Kind kind = Kind::AnyFile);
    static Expected<std::string> readFrom(InputFile& file);
};
