#pragma once

#include "project/Expected.h"

#include <string>
#include <vector>

// Files that only work together, such as the files of one news box, written into one folder so that a
// failure leaves the files that were there before and never some old beside some new.
class FileSet
{
public:
    struct File
    {
        std::string name;
        std::string bytes;
    };

    // Each file is written into a temporary beside its place and flushed to disk; only when every one is
    // whole do they take their places, in the order given. On a failure the temporaries are removed.
    [[nodiscard]] static Expected<void> write(const std::string& folder, const std::vector<File>& files);
};
