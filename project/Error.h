#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Why something did not happen: a code for callers to branch on and a message for the user that names
// the file or the value at fault.
class Error
{
public:
    enum Code
    {
        FileFailed,
        DesignRefused,
        WrongUsage
    };

    // "PATH": REASON.
    static Error file(std::string path, const std::string& reason);
    // Builds the reason from the operating system's last error, as a failed file call leaves it.
    static Error fromErrno(std::string path, const std::string& action);
    static Error refused(std::string message) { return Error(DesignRefused, {}, std::move(message)); }
    static Error usage(std::string message) { return Error(WrongUsage, {}, std::move(message)); }
    // "67108864 bytes (64 MiB)", as limits and sizes are given in messages.
    static std::string sizeInWords(std::uintmax_t bytes);
    // A value from outside in double quotes, as a message shows it on one line of a terminal: a character
    // that breaks a line is written as its escape ("\\r", "\\x1B", "\\u2028"), and a long value is cut with
    // an ellipsis.
    static std::string quoted(std::string_view value);

    // The same error with the rule that refused, for a caller that says why in words of its own (the
    // wizard, in the user's language): a short name that stays from one version to the next, as the
    // design check's findings have, and the values that the message names, in the order it names them.
    Error because(std::string rule, std::vector<std::string> values) &&;

    Code code() const { return code_; }
    // The file at fault; empty when no file is.
    const std::string& path() const { return path_; }
    const std::string& message() const { return message_; }
    // Empty when no rule was given. A failed file call gives "system" and the system's reason.
    const std::string& rule() const { return rule_; }
    const std::vector<std::string>& values() const { return values_; }

private:
    Error(Code code, std::string path, std::string message)
        : code_(code), path_(std::move(path)), message_(std::move(message))
    {}

    Code code_;
    std::string path_;
    std::string message_;
    std::string rule_;
    std::vector<std::string> values_;
};
