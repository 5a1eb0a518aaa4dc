#include "project/TextFile.h"

#include "project/InputFile.h"
#include "project/OutputFile.h"

namespace {

constexpr std::size_t copyChunk = 1024 * 1024;

} // namespace

Expected<std::string> TextFile::read(const std::string& path, std::uintmax_t maxBytes)
{
    auto file = InputFile::open(path);
    if (!file)
        return file.error();
    return file.value().readAll(maxBytes);
}

std::optional<FileError> TextFile::replace(const std::string& path, std::string_view text)
{
    auto file = OutputFile::replacing(path);
    if (!file)
        return file.error();
    if (auto error = file.value().write(text))
        return error;
    return file.value().commit();
}

std::optional<FileError> TextFile::copy(const std::string& from, const std::string& to)
{
    auto source = InputFile::open(from);
    if (!source)
        return source.error();
    auto target = OutputFile::replacing(to);
    if (!target)
        return target.error();
    std::string chunk(copyChunk, '\0');
    for (;;) {
        auto got = source.value().read(chunk.data(), chunk.size());
        if (!got)
            return got.error();
        if (auto error = target.value().write(std::string_view(chunk).substr(0, got.value())))
            return error;
        if (got.value() < chunk.size())
            return target.value().commit();
    }
}
