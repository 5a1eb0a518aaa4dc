#pragma once

#include <string>
#include <vector>

// What a program printed and how it ended, when run as a separate process.
struct ProgramRun
{
    int status = -1;
    std::string out;
    std::string err;
};

// Runs `program` with `arguments` in `folder`, with nothing on its standard input, and waits for it.
ProgramRun runProgram(const std::string& program, const std::vector<std::string>& arguments,
                      const std::string& folder);
