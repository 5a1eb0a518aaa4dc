#pragma once

#include "project/Expected.h"
#include "project/FileDescriptor.h"

#include <cstdint>
#include <string>

// A file open for reading: a regular file, which can be read more than once, or a pipe, a FIFO or standard
// input, which is read once to its end.
class InputFile
{
public:
    static Expected<InputFile> open(const std::string& path);
    // Opens a regular file only. Anything else (a FIFO, a device, a folder) is refused at once, naming what
    // it is, so that a program with a window never waits on the other end of a pipe.
    static Expected<InputFile> openRegular(const std::string& path);
    // Reads a descriptor the caller owns, such as standard input; name is what messages call it.
    static InputFile onDescriptor(int descriptor, std::string name);

    const std::string& name() const { return descriptor_.name(); }
    // Only a regular file has a size known in advance and can be read at any position.
    bool isRegular() const { return regular_; }
    std::uintmax_t size() const { return size_; }

    // The bytes read, fewer than wanted only at the end of the file.
    [[nodiscard]] Expected<std::size_t> read(char* into, std::size_t wanted);
    // The same at a position of a regular file, without moving where read() goes on.
    [[nodiscard]] Expected<std::size_t> readAt(char* into, std::size_t wanted, std::uintmax_t position);
    // The whole rest of the file; one that holds more than maxBytes is refused, naming the limit.
    [[nodiscard]] Expected<std::string> readAll(std::uintmax_t maxBytes);

    [[nodiscard]] Error tooLarge(std::uintmax_t maxBytes) const;

private:
    explicit InputFile(FileDescriptor descriptor);
    void describe();
    template <typename ReadOnce> Expected<std::size_t> readUntilDone(std::size_t wanted, ReadOnce readOnce);

    FileDescriptor descriptor_;
    bool regular_ = false;
    std::uintmax_t size_ = 0;
};
