#include "design/BackgroundImage.h"

#include "generator/Generator.h"
#include "project/FileNames.h"
#include "project/TextFile.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace fs = std::filesystem;

namespace {

bool sameBytes(const fs::path& one, const fs::path& other)
{
    std::ifstream first(one, std::ios::binary);
    std::ifstream second(other, std::ios::binary);
    return first && second &&
           std::equal(std::istreambuf_iterator<char>(first), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(second), std::istreambuf_iterator<char>());
}

} // namespace

Expected<void> BackgroundImage::bring(const ProjectRecord& record, const std::string& from,
                                      const std::string& to)
{
    const auto found = source(record, from);
    if (!found)
        return {};
    std::error_code status;
    const fs::path target = fs::path(to) / Generator::imageFileName(record);
    if (fs::exists(target, status) && (fs::equivalent(*found, target, status) || sameBytes(*found, target)))
        return {};
    return TextFile::copy(*found, target.string());
}

Expected<std::optional<FileSet::File>> BackgroundImage::read(const ProjectRecord& record,
                                                             const std::string& from)
{
    const auto found = source(record, from);
    if (!found)
        return std::optional<FileSet::File>();
    // The copy that bring() makes is not limited either.
    auto bytes = TextFile::read(*found, std::numeric_limits<std::uintmax_t>::max());
    if (!bytes.ok())
        return bytes.error();
    return std::optional<FileSet::File>(
        FileSet::File{Generator::imageFileName(record), std::move(bytes.value())});
}

std::optional<std::string> BackgroundImage::source(const ProjectRecord& record, const std::string& from)
{
    const std::string name = Generator::imageFileName(record);
    std::error_code status;
    const fs::path path = fs::path(from) / name;
    if (record.bgImageOn != ProjectRecord::ticked || !FileNames::isPlain(name) ||
        !fs::is_regular_file(path, status))
        return std::nullopt;
    return path.string();
}
