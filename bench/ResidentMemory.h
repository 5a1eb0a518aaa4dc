#pragma once

#include <fstream>
#include <string>

// The resident set of a process, in KiB, as its status file under /proc gives it; -1 when it cannot be read.
inline long residentKiB(const std::string& statusFile)
{
    std::ifstream status(statusFile);
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 16, '\n');
    }
    return -1;
}
