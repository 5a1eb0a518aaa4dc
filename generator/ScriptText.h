#pragma once

#include "project/ProjectEncoding.h"

#include <optional>
#include <string>
#include <string_view>

// Design texts made safe for the generated files, which declare no character set: readers' browsers
// may decode them as windows-1252, so every non-ASCII character goes in as a JavaScript escape or a
// percent-encoded byte, and ASCII stays exactly as typed.
class ScriptText
{
public:
    explicit ScriptText(const ProjectRecord& record) : record_(record) {}

    // The body of a double-quoted string literal: double quotes get a backslash, line breaks are
    // deleted (a break would end the literal), non-ASCII characters become \uXXXX escapes. Backslashes
    // pass through, so authors keep their own escapes.
    std::string literalBody(std::string_view bytes) const;

    // The same without quote escaping, for values that the templates put inside their own literals.
    std::string asciiOnly(std::string_view bytes) const;

    // Non-ASCII bytes as %XX, so an address finds the file whose name holds those bytes.
    static std::string percentEncoded(std::string_view bytes);

private:
    std::string escaped(std::string_view bytes, bool escapeQuotes) const;
    // Finding the design's encoding reads all of it, so it is done once, and only for a non-ASCII text.
    ProjectEncoding::Kind encoding() const;

    const ProjectRecord& record_;
    mutable std::optional<ProjectEncoding::Kind> encoding_;
};
