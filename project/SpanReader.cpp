#include "project/SpanReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t chunkSize = 1024 * 1024;

} // namespace

std::optional<FileError> SpanReader::read(ValueSpan span, std::string& into)
{
    if (!file_) {
        into.assign(text_.substr(span.begin, span.size()));
        return std::nullopt;
    }
    return readFromFile(span, into);
}

std::optional<FileError> SpanReader::readFromFile(ValueSpan span, std::string& into)
{
    if (span.begin >= bufferStart_ && span.end <= bufferStart_ + buffer_.size()) {
        into.assign(buffer_.data() + (span.begin - bufferStart_), span.size());
        return std::nullopt;
    }
    into.resize(span.size());
    if (span.begin < bufferStart_) {
        auto got = file_->readAt(into.data(), span.size(), span.begin);
        if (!got)
            return got.error();
        return got.value() < span.size() ? std::optional(shortened()) : std::nullopt;
    }
    std::size_t done = 0;
    while (done < span.size()) {
        const std::size_t position = span.begin + done;
        if (position >= bufferStart_ + buffer_.size()) {
            buffer_.resize(chunkSize);
            auto got = file_->readAt(buffer_.data(), chunkSize, position);
            if (!got)
                return got.error();
            buffer_.resize(got.value());
            bufferStart_ = position;
            if (buffer_.empty())
                return shortened();
        }
        const std::size_t offset = position - bufferStart_;
        const std::size_t count = std::min(buffer_.size() - offset, span.size() - done);
        std::memcpy(into.data() + done, buffer_.data() + offset, count);
        done += count;
    }
    return std::nullopt;
}

FileError SpanReader::shortened() const
{
    return FileError(file_->name(), "became shorter while it was being read");
}
