#pragma once

#include "project/Expected.h"
#include "project/FileDescriptor.h"

#include <optional>
#include <string>
#include <string_view>

// A file being written. A regular file gets its new version beside it, flushed to disk, and renamed over
// the old one only once it is whole, so that no failure (a full disk, a crash, a power cut) leaves half a
// file; a symbolic link keeps pointing at the file it names, which is the one replaced. A pipe, a device or
// a descriptor such as standard output is written in place, as a stream.
class OutputFile
{
public:
    // Refuses a read-only file, and a file in a read-only folder, before anything is written.
    static Expected<OutputFile> replacing(const std::string& path);
    // Writes to a descriptor the caller owns, such as standard output; name is what messages call it.
    static OutputFile onDescriptor(int descriptor, std::string name);

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    // Without a commit, the new version is thrown away and the old file stays as it was.
    ~OutputFile();

    const std::string& name() const { return descriptor_.name(); }

    [[nodiscard]] Expected<void> write(std::string_view bytes);
    // Puts the new version in place; after a failure the old file is still whole. A commit is a settle()
    // and then a takePlace().
    [[nodiscard]] Expected<void> commit();
    // Writes out what is buffered and flushes the new version to disk beside the old file, which stays in
    // place, so that several files can all be made whole before any of them replaces its old version. A
    // pipe or device is closed here.
    [[nodiscard]] Expected<void> settle();
    // After settle(), the new version takes the old one's place.
    [[nodiscard]] Expected<void> takePlace();

    // The number in a temporary name has at most this many digits.
    static constexpr std::size_t maxTemporaryNumberDigits = 10;
    // ".NAME.saving-N", with NAME shortened when the whole would exceed the folder's longest name.
    static std::string temporaryPrefix(std::string_view name, std::size_t longestName);

private:
    explicit OutputFile(FileDescriptor descriptor);

    [[nodiscard]] Expected<void> flushBuffer();
    [[nodiscard]] Expected<void> writeOut(std::string_view bytes);
    void discard();

    FileDescriptor descriptor_;
    // Set only when a temporary stands in for the file until the commit.
    std::string folder_;
    std::string temporaryPath_;
    std::string finalPath_;
    std::string buffer_;
};
