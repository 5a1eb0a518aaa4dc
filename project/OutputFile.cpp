#include "project/OutputFile.h"

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

constexpr int maxLinkHops = 40;
constexpr std::size_t bufferCapacity = 256 * 1024;
constexpr std::size_t fallbackLongestName = 255;
constexpr std::string_view temporaryMark = ".saving-";

struct Destination
{
    bool stream = false;
    std::string path;
    std::optional<struct stat> existing;
};

std::string folderOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path)
{
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

Expected<std::string> linkTarget(const std::string& link, const std::string& reported)
{
    std::string target(256, '\0');
    for (;;) {
        const ssize_t length = readlink(link.c_str(), target.data(), target.size());
        if (length < 0)
            return Error::fromErrno(reported, "is a symbolic link that cannot be followed");
        if (static_cast<std::size_t>(length) < target.size()) {
            target.resize(static_cast<std::size_t>(length));
            return target;
        }
        target.resize(target.size() * 2);
    }
}

// Links are followed one by one rather than resolved with realpath(), so that a link to a file that does
// not exist yet creates that file. A link into /proc (standard output, /dev/fd/N) stands for an open
// descriptor, whose file is written as it is.
Expected<Destination> destinationOf(const std::string& path)
{
    std::string current = path;
    for (int hop = 0; hop <= maxLinkHops; ++hop) {
        struct stat info
        {};
        if (lstat(current.c_str(), &info) != 0) {
            if (errno == ENOENT)
                return Destination{false, current, std::nullopt};
            return Error::fromErrno(path, "cannot be reached");
        }
        if (S_ISLNK(info.st_mode)) {
            auto target = linkTarget(current, path);
            if (!target.ok())
                return target.error();
            if (target.value().starts_with("/proc/"))
                return Destination{true, path, std::nullopt};
            current =
                target.value().starts_with('/') ? target.value() : folderOf(current) + "/" + target.value();
            continue;
        }
        if (S_ISDIR(info.st_mode))
            return Error::file(path, "is a folder, not a file").because("is-folder", {});
        if (!S_ISREG(info.st_mode))
            return Destination{true, current, std::nullopt};
        return Destination{false, current, info};
    }
    return Error::file(path, "cannot be written: it leads through too many symbolic links");
}

// Root may write anything, but a file or folder that nobody may write was made read-only on purpose.
bool mayWrite(const std::string& path, mode_t mode, int access)
{
    const mode_t writeBits = S_IWUSR | S_IWGRP | S_IWOTH;
    return (mode & writeBits) != 0 && faccessat(AT_FDCWD, path.c_str(), access, AT_EACCESS) == 0;
}

Expected<void> writePermitted(const std::string& path, const Destination& destination,
                              const std::string& folder)
{
    if (destination.existing && !mayWrite(destination.path, destination.existing->st_mode, W_OK))
        return Error::file(path, "is read-only, so it was left unchanged").because("read-only", {});
    struct stat folderInfo
    {};
    if (stat(folder.c_str(), &folderInfo) != 0 || mayWrite(folder, folderInfo.st_mode, W_OK | X_OK))
        return {};
    if (destination.existing)
        return Error::file(path,
                           "cannot be replaced safely, because its folder \"" + folder +
                               "\" is read-only: a save writes the new version beside the file before it "
                               "takes the old one's place; the file was left unchanged")
            .because("folder-read-only", {folder});
    return Error::file(path, "cannot be created, because its folder \"" + folder + "\" is read-only")
        .because("folder-read-only", {folder});
}

bool isTemporaryOf(std::string_view entry, std::string_view prefix)
{
    if (!entry.starts_with(prefix) || entry.size() == prefix.size())
        return false;
    return std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix.size()), entry.end(),
                       [](char c) { return c >= '0' && c <= '9'; });
}

// A save holds a lock on its temporary file until it ends, so a temporary that can be locked was left by
// a save that was interrupted, and one that cannot belongs to a save still running.
void removeStaleTemporaries(const std::string& folder, std::string_view prefix)
{
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return;
    const int folderDescriptor = dirfd(listing);
    while (const dirent* entry = readdir(listing)) {
        if (!isTemporaryOf(entry->d_name, prefix))
            continue;
        const int descriptor =
            openat(folderDescriptor, entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (descriptor < 0)
            continue;
        struct stat info
        {};
        if (fstat(descriptor, &info) == 0 && S_ISREG(info.st_mode) &&
            flock(descriptor, LOCK_EX | LOCK_NB) == 0)
            unlinkat(folderDescriptor, entry->d_name, 0);
        close(descriptor);
    }
    closedir(listing);
}

bool sameFile(int descriptor, const std::string& path)
{
    struct stat open
    {};
    struct stat named
    {};
    return fstat(descriptor, &open) == 0 && stat(path.c_str(), &named) == 0 && open.st_ino == named.st_ino &&
           open.st_dev == named.st_dev;
}

std::size_t longestNameIn(const std::string& folder)
{
    const long longest = pathconf(folder.c_str(), _PC_NAME_MAX);
    return longest > 0 ? static_cast<std::size_t>(longest) : fallbackLongestName;
}

} // namespace

std::string OutputFile::temporaryPrefix(std::string_view name, std::size_t longestName)
{
    const std::size_t overhead = 1 + temporaryMark.size() + maxTemporaryNumberDigits;
    const std::size_t room = longestName > overhead ? longestName - overhead : 0;
    std::size_t kept = std::min(name.size(), room);
    // A name cut inside a UTF-8 sequence would show as garbage in a file manager.
    while (kept > 0 && kept < name.size() && (static_cast<unsigned char>(name[kept]) & 0xC0) == 0x80)
        --kept;
    std::string prefix = ".";
    prefix += name.substr(0, kept);
    prefix += temporaryMark;
    return prefix;
}

Expected<OutputFile> OutputFile::replacing(const std::string& path)
{
    auto destination = destinationOf(path);
    if (!destination.ok())
        return destination.error();
    const Destination& target = destination.value();
    if (target.stream) {
        const int descriptor = open(target.path.c_str(), O_WRONLY | O_APPEND | O_NOCTTY | O_CLOEXEC);
        if (descriptor < 0)
            return Error::fromErrno(path, "cannot be opened for writing");
        return OutputFile(FileDescriptor(descriptor, FileDescriptor::Owned, path));
    }
    const std::string name = nameOf(target.path);
    if (name.empty() || name == "." || name == "..")
        return Error::file(path, "is a folder, not a file").because("is-folder", {});
    const std::string folder = folderOf(target.path);
    if (auto permitted = writePermitted(path, target, folder); !permitted.ok())
        return permitted.error();

    const std::string prefix = temporaryPrefix(name, longestNameIn(folder));
    removeStaleTemporaries(folder, prefix);
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = folder + "/" + prefix + std::to_string(entropy());
        const int descriptor =
            open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, target.existing ? 0600 : 0666);
        if (descriptor < 0 && errno == EEXIST)
            continue;
        if (descriptor < 0)
            return Error::fromErrno(path, target.existing ? "cannot be replaced" : "cannot be created");
        flock(descriptor, LOCK_EX);
        // Another save's clean-up may have taken the new file for a stale one before it was locked.
        if (!sameFile(descriptor, temporary)) {
            close(descriptor);
            continue;
        }
        OutputFile file(FileDescriptor(descriptor, FileDescriptor::Owned, path));
        file.folder_ = folder;
        file.temporaryPath_ = temporary;
        file.finalPath_ = target.path;
        if (target.existing) {
            [[maybe_unused]] const int owned =
                fchown(descriptor, target.existing->st_uid, target.existing->st_gid);
            fchmod(descriptor, target.existing->st_mode & 07777);
        }
        return file;
    }
    return Error::file(path, std::string(target.existing ? "cannot be replaced" : "cannot be created") +
                                 ": no free name for the new version beside it");
}

OutputFile OutputFile::onDescriptor(int descriptor, std::string name)
{
    return OutputFile(FileDescriptor(descriptor, FileDescriptor::Lent, std::move(name)));
}

OutputFile::OutputFile(FileDescriptor descriptor) : descriptor_(std::move(descriptor)) {}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : descriptor_(std::move(other.descriptor_)), folder_(std::move(other.folder_)),
      temporaryPath_(std::exchange(other.temporaryPath_, {})), finalPath_(std::move(other.finalPath_)),
      buffer_(std::move(other.buffer_))
{}

OutputFile::~OutputFile()
{
    discard();
}

Expected<void> OutputFile::write(std::string_view bytes)
{
    if (buffer_.size() + bytes.size() > bufferCapacity) {
        if (auto done = flushBuffer(); !done.ok())
            return done;
    }
    if (bytes.size() >= bufferCapacity)
        return writeOut(bytes);
    if (buffer_.capacity() < bufferCapacity)
        buffer_.reserve(bufferCapacity);
    buffer_.append(bytes);
    return {};
}

Expected<void> OutputFile::commit()
{
    if (auto settled = settle(); !settled.ok())
        return settled;
    return takePlace();
}

Expected<void> OutputFile::flushBuffer()
{
    auto written = writeOut(buffer_);
    buffer_.clear();
    return written;
}

Expected<void> OutputFile::writeOut(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(descriptor_.number(), bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0)
            return Error::fromErrno(name(), temporaryPath_.empty()
                                                ? "could not be written"
                                                : "could not be written and was left unchanged");
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

// The new version reaches the disk before its name does, and the folder after, so that after a power cut
// the name holds either the whole old or the whole new version.
Expected<void> OutputFile::settle()
{
    if (auto done = flushBuffer(); !done.ok())
        return done;
    if (temporaryPath_.empty()) {
        if (!descriptor_.close())
            return Error::fromErrno(name(), "could not be written");
        return {};
    }
    if (fsync(descriptor_.number()) != 0)
        return Error::fromErrno(name(), "could not be flushed to disk and was left unchanged");
    return {};
}

// The temporary stays open, and with it its lock, until now, so that no other save takes it for one
// left behind by an interrupted save and removes it.
Expected<void> OutputFile::takePlace()
{
    if (temporaryPath_.empty())
        return {};
    if (!descriptor_.close())
        return Error::fromErrno(name(), "could not be written and was left unchanged");
    if (rename(temporaryPath_.c_str(), finalPath_.c_str()) != 0)
        return Error::fromErrno(name(), "could not take the place of the previous version, which was left "
                                        "unchanged");
    temporaryPath_.clear();
    const int folder = open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return {};
    const int synced = fsync(folder);
    const int syncError = errno;
    close(folder);
    if (synced != 0 && syncError != EINVAL) {
        errno = syncError;
        return Error::fromErrno(name(), "was saved, but its folder could not be flushed to disk");
    }
    return {};
}

void OutputFile::discard()
{
    descriptor_.close();
    if (!temporaryPath_.empty())
        unlink(temporaryPath_.c_str());
    temporaryPath_.clear();
}
