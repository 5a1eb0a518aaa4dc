#include "project/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr std::size_t streamChunk = 1024 * 1024;

// What a file that is not a regular one is, for the message that refuses it; empty for a regular file.
std::string notRegular(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return "is a folder, not a file";
    if (S_ISFIFO(mode))
        return "is a named pipe (FIFO), not a regular file";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "is a device, not a regular file";
    if (S_ISSOCK(mode))
        return "is a socket, not a regular file";
    return "is not a regular file";
}

} // namespace

Expected<InputFile> InputFile::open(const std::string& path)
{
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return Error::fromErrno(path, "cannot be opened for reading");
    InputFile file(FileDescriptor(descriptor, FileDescriptor::Owned, path));
    struct stat info
    {};
    if (fstat(descriptor, &info) == 0 && S_ISDIR(info.st_mode))
        return Error::file(path, "is a folder, not a file");
    return file;
}

Expected<InputFile> InputFile::openRegular(const std::string& path)
{
    // Looked at before opening, so that no device is ever opened; checked again on the open file, in case
    // the name was given to something else in between.
    struct stat info
    {};
    if (::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode))
        return Error::file(path, notRegular(info.st_mode));
    // Without O_NONBLOCK, opening a FIFO waits until something opens it for writing.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0)
        return Error::fromErrno(path, "cannot be opened for reading");
    InputFile file(FileDescriptor(descriptor, FileDescriptor::Owned, path));
    if (::fstat(descriptor, &info) != 0)
        return Error::fromErrno(path, "cannot be examined");
    if (!S_ISREG(info.st_mode))
        return Error::file(path, notRegular(info.st_mode));
    const int flags = ::fcntl(descriptor, F_GETFL);
    if (flags < 0 || ::fcntl(descriptor, F_SETFL, flags & ~O_NONBLOCK) != 0)
        return Error::fromErrno(path, "cannot be read");
    return file;
}

InputFile InputFile::onDescriptor(int descriptor, std::string name)
{
    return InputFile(FileDescriptor(descriptor, FileDescriptor::Lent, std::move(name)));
}

InputFile::InputFile(FileDescriptor descriptor) : descriptor_(std::move(descriptor))
{
    describe();
}

void InputFile::describe()
{
    struct stat info
    {};
    regular_ = fstat(descriptor_.number(), &info) == 0 && S_ISREG(info.st_mode);
    size_ = regular_ ? static_cast<std::uintmax_t>(info.st_size) : 0;
}

Expected<std::size_t> InputFile::read(char* into, std::size_t wanted)
{
    return readUntilDone(
        wanted, [&](std::size_t got) { return ::read(descriptor_.number(), into + got, wanted - got); });
}

Expected<std::size_t> InputFile::readAt(char* into, std::size_t wanted, std::uintmax_t position)
{
    return readUntilDone(wanted, [&](std::size_t got) {
        return pread(descriptor_.number(), into + got, wanted - got, static_cast<off_t>(position + got));
    });
}

// A read may return less than asked for before the end; only a read of nothing is the end.
template <typename ReadOnce>
Expected<std::size_t> InputFile::readUntilDone(std::size_t wanted, ReadOnce readOnce)
{
    std::size_t got = 0;
    while (got < wanted) {
        const ssize_t count = readOnce(got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return Error::fromErrno(name(), "could not be read");
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    return got;
}

// A pipe has no size to check in advance, so it is read in pieces until it ends or passes the limit.
Expected<std::string> InputFile::readAll(std::uintmax_t maxBytes)
{
    if (regular_ && size_ > maxBytes)
        return tooLarge(maxBytes);
    std::string bytes;
    bytes.reserve(regular_ ? static_cast<std::size_t>(size_) + 1 : streamChunk);
    for (;;) {
        const std::size_t had = bytes.size();
        const std::size_t room = std::max(bytes.capacity() - had, std::min(streamChunk, had));
        bytes.resize(had + room);
        auto got = read(bytes.data() + had, room);
        if (!got.ok())
            return got.error();
        bytes.resize(had + got.value());
        if (bytes.size() > maxBytes)
            return tooLarge(maxBytes);
        if (got.value() < room)
            return bytes;
    }
}

Error InputFile::tooLarge(std::uintmax_t maxBytes) const
{
    if (regular_)
        return Error::file(name(), "is " + Error::sizeInWords(size_) + " large; files over " +
                                       Error::sizeInWords(maxBytes) + " are not read");
    return Error::file(name(),
                       "holds more than " + Error::sizeInWords(maxBytes) + "; larger files are not read");
}
