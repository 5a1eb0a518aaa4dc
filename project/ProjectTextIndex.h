#pragma once

#include "project/ProjectKeys.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// Where each start and end text first occurs in a project text, found in one pass, so that reading a
// project costs time in proportion to its size whatever its number of messages.
class ProjectTextIndex
{
public:
    static constexpr int maxMessageNumber = 1'000'000;

    // The text must outlive the index.
    explicit ProjectTextIndex(std::string_view text);

    // The value between "qvo-" key "=" and "endof-qvo-" key; empty when either is missing or out of order.
    std::string findValue(std::string_view key) const;
    std::string findMessageValue(MessageField field, int number) const;

    static constexpr std::size_t notFound = static_cast<std::size_t>(-1);

private:
    struct Hits
    {
        std::vector<std::size_t> starts;
        std::vector<std::size_t> ends;
    };

    void recordSetting(std::size_t pattern, std::size_t position);
    void recordMessageStart(std::size_t family, std::size_t position);
    void recordMessageEnd(std::size_t family, std::size_t position);
    std::string valueBetween(std::size_t start, std::size_t startLength, std::size_t end) const;

    std::string_view text_;
    std::vector<std::size_t> settingStarts_;
    std::vector<std::size_t> settingEnds_;
    std::array<Hits, 4> messages_;
};
