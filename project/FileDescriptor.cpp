#include "project/FileDescriptor.h"

#include <unistd.h>
#include <utility>

FileDescriptor::FileDescriptor(int number, Ownership ownership, std::string name)
    : number_(number), ownership_(ownership), name_(std::move(name))
{}

FileDescriptor::FileDescriptor(FileDescriptor&& other) noexcept
    : number_(std::exchange(other.number_, -1)), ownership_(std::exchange(other.ownership_, Lent)),
      name_(std::move(other.name_))
{}

FileDescriptor::~FileDescriptor()
{
    close();
}

bool FileDescriptor::close()
{
    const int number = std::exchange(number_, -1);
    const bool owned = std::exchange(ownership_, Lent) == Owned;
    return !owned || number < 0 || ::close(number) == 0;
}
