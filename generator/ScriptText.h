#pragma once

#include "project/ProjectEncoding.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Design texts made safe for the generated files, which declare no character set: readers' browsers
// may decode them as windows-1252, so every non-ASCII character goes in as a JavaScript escape or a
// percent-encoded byte, and ASCII stays exactly as typed.
class ScriptText
{
public:
    explicit ScriptText(const ProjectRecord& record) : record_(record) {}

    // The body of a double-quoted string literal: double quotes get a backslash, line breaks are
    // deleted (a break would end the literal), non-ASCII characters become \uXXXX escapes. A backslash
    // that starts a JavaScript escape stays, so authors keep their own escapes; one that would break the
    // literal is doubled (see literalBackslashes).
    std::string literalBody(std::string_view bytes) const;

    // A font face for the style attributes that the templates build inside their own literals: as a
    // literal body, except that a double quote becomes a single one, which CSS reads alike and which
    // ends neither the literal nor the attribute.
    std::string fontFace(std::string_view bytes) const;

    // The name as the file system holds it: the UTF-8 form of the design's text.
    std::string fileName(std::string_view bytes) const;

    // The UTF-8 form of the name with every byte that an address cannot hold as it is percent-encoded,
    // so that the address finds the file written under fileName.
    std::string address(std::string_view bytes) const;

    // The characters of a design text, line breaks dropped, as they go into a literal.
    std::u32string characters(std::string_view bytes) const;

    // For each character: whether it is a backslash that is written doubled because it would otherwise
    // break the literal or vanish into an escape the generator itself makes: one that starts no valid
    // JavaScript escape (\x or \u without their hex digits), one at the end, one before a non-ASCII
    // character (which is written as an escape of its own), and, when quotesEscaped, one before a
    // double quote.
    static std::vector<bool> literalBackslashes(std::u32string_view characters, bool quotesEscaped);

private:
    enum class Quotes
    {
        Escaped,
        Single
    };

    std::string escaped(std::string_view bytes, Quotes quotes) const;
    // Finding the design's encoding reads all of it, so it is done once, and only for a non-ASCII text.
    ProjectEncoding::Kind encoding() const;

    const ProjectRecord& record_;
    mutable std::optional<ProjectEncoding::Kind> encoding_;
};
