#pragma once

#include "project/ProjectRecord.h"

#include <string>

// The designs the benchmarks measure: a design grown to N messages of ordinary length, with markup and a
// link each. A design that cannot be read or written throws, with the reason.
class SampleDesign
{
public:
    // Adds messages, numbered on from those the design holds, until it holds `messages`.
    static void growTo(ProjectRecord& design, int messages);

    // The built-in default design grown to `messages`.
    static ProjectRecord defaultWith(int messages);

    // The same, saved as a project at `path`.
    static void writeDefaultWith(int messages, const std::string& path);
};
