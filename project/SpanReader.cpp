#include "project/SpanReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::size_t chunkSize = 1024 * 1024;

} // namespace

Expected<void> SpanReader::read(ValueSpan span, std::string& into)
{
    if (!file_) {
        into.assign(text_.substr(span.begin, span.size()));
        return {};
    }
    return readFromFile(span, into);
}

Expected<void> SpanReader::readFromFile(ValueSpan span, std::string& into)
{
    if (span.begin >= bufferStart_ && span.end <= bufferStart_ + buffer_.size()) {
        into.assign(buffer_.data() + (span.begin - bufferStart_), span.size());
        return {};
    }
    into.resize(span.size());
    if (span.begin < bufferStart_) {
        auto got = file_->readAt(into.data(), span.size(), span.begin);
        if (!got.ok())
            return got.error();
        return got.value() < span.size() ? Expected<void>(shortened()) : Expected<void>();
    }
    std::size_t done = 0;
    while (done < span.size()) {
        const std::size_t position = span.begin + done;
        if (position >= bufferStart_ + buffer_.size()) {
            buffer_.resize(chunkSize);
            auto got = file_->readAt(buffer_.data(), chunkSize, position);
            if (!got.ok())
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
    return {};
}

Error SpanReader::shortened() const
{
    return Error::file(file_->name(), "became shorter while it was being read");
}
