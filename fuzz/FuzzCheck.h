#pragma once

#include "project/ProjectReader.h"
#include "project/ProjectRecord.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

// A broken property ends the run the way libFuzzer records a crash, with the input kept for replay.
inline void require(bool holds, std::string_view what, std::string_view detail = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "Broken: %.*s\n%.*s\n", static_cast<int>(what.size()), what.data(),
                 static_cast<int>(detail.size()), detail.data());
    std::abort();
}

inline std::string inputText(const std::uint8_t* data, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(data), size);
}

// Reads a project text through the same reader that opens files, without a file.
inline ProjectRecord readText(std::string_view text)
{
    ProjectRecord record;
    const ProjectReader reader(text);
    const auto read = reader.readProject(record);
    require(read.ok(), "a project text in memory reads without error",
            read.ok() ? "" : read.error().message());
    return record;
}
