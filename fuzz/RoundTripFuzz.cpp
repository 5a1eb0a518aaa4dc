// A design read from any text, written and read again, comes back field for field.
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainLookup.h"
#include "fuzz/SameDesign.h"
#include "project/ProjectWriter.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = projectTextWithinLimit(data, size);
    if (!text)
        return -1;
    const ProjectRecord first = readText(*text);
    // A value that holds a start or end text of the format cannot come back, as the reader takes the
    // first occurrence of each wherever it stands: the writer refuses such a design.
    if (!ProjectWriter::writable(first, "fuzz").ok())
        return 0;
    const std::string written = ProjectWriter::projectText(first);
    const ProjectRecord again = readText(written);
    requireSameDesign(first, again);
    require(ProjectWriter::projectText(again) == written, "a saved design saves to the same bytes again");
    return 0;
}
