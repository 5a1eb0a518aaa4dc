#include "project/ProjectFileCheck.h"

#include "project/ProjectTextScanner.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

struct WideEncoding
{
    std::string_view name;
    std::string_view byteOrderMark;
    std::size_t unitSize;
    // Where a character below 256 has its one byte that is not NUL.
    std::size_t characterByte;
};

// UTF-32LE before UTF-16LE: its byte-order mark begins with theirs.
constexpr std::array<WideEncoding, 4> wideEncodings{{
    {"UTF-32LE", std::string_view("\xFF\xFE\0\0", 4), 4, 0},
    {"UTF-32BE", std::string_view("\0\0\xFE\xFF", 4), 4, 3},
    {"UTF-16LE", "\xFF\xFE", 2, 0},
    {"UTF-16BE", "\xFE\xFF", 2, 1},
}};

// Enough characters to tell the encodings apart, few enough to lie in the first piece of any file.
constexpr std::size_t headBytes = 64;

// Without a byte-order mark, wide text of Latin letters has one byte that is not NUL in each code unit;
// three units in four let a few other characters stand among them.
bool looksLike(const WideEncoding& encoding, std::string_view head)
{
    const std::size_t units = std::min(head.size(), headBytes) / encoding.unitSize;
    if (units < 2)
        return false;
    std::size_t alike = 0;
    for (std::size_t unit = 0; unit < units; ++unit) {
        bool matches = true;
        for (std::size_t i = 0; i < encoding.unitSize; ++i) {
            const bool nul = head[unit * encoding.unitSize + i] == '\0';
            matches = matches && nul == (i != encoding.characterByte);
        }
        alike += matches ? 1 : 0;
    }
    return alike * 4 >= units * 3;
}

std::optional<std::string_view> wideEncodingOf(std::string_view head)
{
    for (const WideEncoding& encoding : wideEncodings)
        if (head.substr(0, encoding.byteOrderMark.size()) == encoding.byteOrderMark)
            return encoding.name;
    for (const WideEncoding& encoding : wideEncodings)
        if (looksLike(encoding, head))
            return encoding.name;
    return std::nullopt;
}

Error notAProject(const std::string& name, const std::string& why)
{
    return Error::file(name, "is not a Marquetto project: " + why);
}

} // namespace

Expected<void> ProjectFileCheck::checkPiece(std::string_view piece, std::uintmax_t offset,
                                            const std::string& name)
{
    if (offset == 0) {
        if (const auto encoding = wideEncodingOf(piece))
            return notAProject(name, "it is " + std::string(*encoding) +
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
