#include "feed/FeedFile.h"

#include "feed/FeedImport.h"

Expected<std::string> FeedFile::read(const std::string& path, Kind kind)
{
    auto file = kind == Kind::RegularFile ? InputFile::openRegular(path) : InputFile::open(path);
    if (!file.ok())
        return file.error();
    return readFrom(file.value());
}

Expected<std::string> FeedFile::readFrom(InputFile& file)
{
    return file.readAll(FeedImport::maxBytes);
}
