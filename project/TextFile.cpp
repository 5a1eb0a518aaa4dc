#include "project/TextFile.h"

#include "project/InputFile.h"
#include "project/OutputFile.h"

namespace {

constexpr std::size_t copyChunk = 1024 * 1024;

} // namespace

Expected<std::string> TextFile::read(const std::string& path, std::uintmax_t maxBytes)
{
    auto file = InputFile::open(path);
    if (!file.ok())
        return file.error();
    return file.value().readAll(maxBytes);
}

Expected<void> TextFile::replace(const std::string& path, std::string_view text)
{
    auto file = OutputFile::replacing(path);
    if (!file.ok())
        return file.error();
    if (auto done = file.value().write(text); !done.ok())
        return done;
    return file.value().commit();
}

Expected<void> TextFile::copy(const std::string& from, const std::string& to)
{
    auto source = InputFile::open(from);
    if (!source.ok())
        return source.error();
    auto target = OutputFile::replacing(to);
    if (!target.ok())
        return target.error();
    std::string chunk(copyChunk, '\0');
    for (;;) {
        auto got = source.value().read(chunk.data(), chunk.size());
        if (!got.ok())
            return got.error();
        if (auto done = target.value().write(std::string_view(chunk).substr(0, got.value())); !done.ok())
            return done;
        if (got.value() < chunk.size())
            return target.value().commit();
    }
}
