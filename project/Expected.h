#pragma once

#include "project/FileError.h"

#include <utility>
#include <variant>

// A result or the file error that prevented it.
template <typename T> class Expected
{
public:
    Expected(T value) : content_(std::move(value)) {}
    Expected(FileError error) : content_(std::move(error)) {}

    bool hasValue() const { return std::holds_alternative<T>(content_); }
    explicit operator bool() const { return hasValue(); }
    T& value() { return std::get<T>(content_); }
    const T& value() const { return std::get<T>(content_); }
    const FileError& error() const { return std::get<FileError>(content_); }

private:
    std::variant<T, FileError> content_;
};
