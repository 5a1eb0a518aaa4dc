#pragma once

#include "project/Expected.h"
#include "project/ProjectKeys.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Where a value lies in a project text: from the end of its start text to its end text.
struct ValueSpan
{
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t size() const { return end - begin; }
};

// Finds where each start and end text first occurs in a project text, in one pass, whole or piece by piece,
// so that a project file need not be held in memory to be read and costs time in proportion to its size.
// Every start and end text holds "qvo-": the scan jumps from one of those to the next and reads the key
// that follows it. Positions are kept in 32 bits, which covers any text the reader accepts.
class ProjectTextScanner
{
public:
    static constexpr int maxMessageNumber = 1'000'000;
    // Fills `into` with up to `wanted` bytes; fewer only at the end of the text.
    using ReadMore = std::function<Expected<std::size_t>(char* into, std::size_t wanted)>;

    ProjectTextScanner();

    void scanText(std::string_view text);
    // Reads chunkSize bytes at a time; the result is the length of the text.
    [[nodiscard]] Expected<std::size_t> scanStream(const ReadMore& readMore, std::size_t chunkSize);

    // Whether any setting or message has its start text with its end text after it.
    bool foundAnyRecord() const;

    // An empty span when either text is missing or the end text comes too early.
    ValueSpan settingSpan(std::string_view key) const;
    ValueSpan messageSpan(MessageField field, int number) const;

private:
    struct Hits
    {
        std::vector<std::uint32_t> starts;
        std::vector<std::uint32_t> ends;
    };

    // Looks at each "qvo-" that begins in [from, to) of the window, whose first byte lies at `offset`.
    void scanWindow(std::string_view window, std::size_t offset, std::size_t from, std::size_t to);
    void examine(std::string_view window, std::size_t offset, std::size_t at);
    void recordMessageStart(std::size_t family, std::string_view window, std::size_t digitsAt,
                            std::size_t position);
    void recordMessageEnd(std::size_t family, std::string_view window, std::size_t digitsAt,
                          std::size_t position);

    std::vector<std::uint32_t> settingStarts_;
    std::vector<std::uint32_t> settingEnds_;
    std::array<Hits, 4> messages_;
};
