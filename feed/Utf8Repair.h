#pragma once

#include <string>
#include <string_view>

// Feeds are read as UTF-8; bytes that are not become replacement characters.
class Utf8Repair
{
public:
    // The bytes as they are when they are UTF-8; otherwise with each malformed byte replaced. A feed may
    // be 64 MiB, so it is converted piece by piece rather than as one text of 32-bit characters.
    static std::string repaired(std::string_view bytes);
};
