#pragma once

#include "project/InputFile.h"
#include "project/ProjectTextScanner.h"

#include <optional>
#include <string>
#include <string_view>

// Reads the values of a project text by their spans: from the text itself when it is in memory, or from
// a regular file, which is read once from front to back while the spans come in the order the file
// holds them (as the writer puts them), and at the span's place when one lies further back.
class SpanReader
{
public:
    explicit SpanReader(std::string_view text) : text_(text) {}
    explicit SpanReader(InputFile& file) : file_(&file) {}

    [[nodiscard]] Expected<void> read(ValueSpan span, std::string& into);

private:
    [[nodiscard]] Expected<void> readFromFile(ValueSpan span, std::string& into);
    [[nodiscard]] Error shortened() const;

    std::string_view text_;
    InputFile* file_ = nullptr;
    std::string buffer_;
    std::size_t bufferStart_ = 0;
};
