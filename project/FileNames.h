#pragma once

#include <string_view>

// Rules for names that the design gives to files: the box name that prefixes the generated files and the
// background image's name, both taken from project files that anyone may have written.
class FileNames
{
public:
    // A name with a separator would reach outside the folder it is meant for.
    static bool holdsSeparator(std::string_view name)
    {
        return name.find_first_of("/\\") != std::string_view::npos;
    }
    // A file's own name, with no folder in it: not empty, not "." or "..", no separator.
    static bool isPlain(std::string_view name)
    {
        return !name.empty() && name != "." && name != ".." && !holdsSeparator(name);
    }
    // The first character that some system the files may be copied to cannot hold in a file name, or
    // npos. Blanks, quotes and the like are percent-encoded in the addresses, so they are allowed.
    static std::size_t firstUnportable(std::string_view name);
};
