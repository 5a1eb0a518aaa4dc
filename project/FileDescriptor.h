#pragma once

#include <string>

// An open file descriptor and the name messages give its file. One the program opened is closed with it;
// one it was lent, such as standard input or output, is left open.
class FileDescriptor
{
public:
    enum Ownership
    {
        Owned,
        Lent
    };

    FileDescriptor(int number, Ownership ownership, std::string name);
    FileDescriptor(FileDescriptor&& other) noexcept;
    FileDescriptor& operator=(FileDescriptor&&) = delete;
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor();

    int number() const { return number_; }
    const std::string& name() const { return name_; }

    // Closes an owned descriptor now and lets go of a lent one. False, with errno set, when the close
    // failed, which is where a write that the system finished late can still fail.
    bool close();

private:
    int number_;
    Ownership ownership_;
    std::string name_;
};
