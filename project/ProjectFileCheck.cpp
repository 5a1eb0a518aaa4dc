#include "project/ProjectFileCheck.h"

#include "project/ProjectTextScanner.h"
#include "project/TextEncoding.h"

namespace {

Error notAProject(const std::string& name, const std::string& why)
{
    return Error::file(name, "is not a Marquetto project: " + why);
}

} // namespace

Expected<void> ProjectFileCheck::checkPiece(std::string_view piece, std::uintmax_t offset,
                                            const std::string& name)
{
    if (offset == 0) {
        if (const auto encoding = TextEncoding::wideEncodingOf(piece))
            return notAProject(name, "it is " + std::string(encoding->name) +
                                         " text, and a project is UTF-8 or 8-bit text");
    }
    const std::size_t nul = piece.find('\0');
    if (nul == std::string_view::npos)
        return {};
    return notAProject(name, "it holds a NUL byte at byte offset " + std::to_string(offset + nul));
}

Expected<void> ProjectFileCheck::checkScanned(std::uintmax_t length, const ProjectTextScanner& scanner,
                                              const std::string& name)
{
    if (length == 0)
        return notAProject(name, "it is empty");
    if (!scanner.foundAnyRecord())
        return notAProject(name, "no project record was found in it");
    return {};
}
