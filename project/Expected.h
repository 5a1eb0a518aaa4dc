#pragma once

#include "project/Error.h"

#include <optional>
#include <utility>
#include <variant>

// A value, or the error that prevented it. There is deliberately no conversion to bool: `if (result)`
// reads "if it worked" to some and "if it failed" to others, so callers ask `ok()`.
template <typename T> class [[nodiscard]] Expected
{
public:
    Expected(T value) : content_(std::move(value)) {}
    Expected(Error error) : content_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(content_); }
    T& value() { return std::get<T>(content_); }
    const T& value() const { return std::get<T>(content_); }
    const Error& error() const { return std::get<Error>(content_); }

private:
    std::variant<T, Error> content_;
};

// Done, or the error that prevented it.
template <> class [[nodiscard]] Expected<void>
{
public:
    Expected() = default;
    Expected(Error error) : error_(std::move(error)) {}

    bool ok() const { return !error_.has_value(); }
    const Error& error() const { return *error_; }

private:
    std::optional<Error> error_;
};
