#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Finds every occurrence of a fixed set of patterns in one pass over a text (an Aho–Corasick automaton
// with a full transition table, which suits the few dozen short keys of a project file).
class MultiPatternFinder
{
public:
    explicit MultiPatternFinder(const std::vector<std::string>& patterns);

    // Calls onMatch(patternIndex, startPosition) for every occurrence, ordered by where it ends.
    template <typename OnMatch> void forEachMatch(std::string_view text, OnMatch&& onMatch) const
    {
        std::int32_t state = 0;
        for (std::size_t at = 0; at < text.size(); ++at) {
            state = transitions_[static_cast<std::size_t>(state) * alphabet +
                                 static_cast<unsigned char>(text[at])];
            for (std::int32_t node = matchAt_[static_cast<std::size_t>(state)]; node >= 0;
                 node = nextMatch_[static_cast<std::size_t>(node)]) {
                const std::int32_t pattern = patternOf_[static_cast<std::size_t>(node)];
                onMatch(static_cast<std::size_t>(pattern),
                        at + 1 - lengths_[static_cast<std::size_t>(pattern)]);
            }
        }
    }

private:
    static constexpr std::size_t alphabet = 256;

    std::int32_t addNode();
    void insert(const std::string& pattern, std::int32_t index);
    void link();

    std::vector<std::int32_t> transitions_;
    std::vector<std::int32_t> patternOf_;
    std::vector<std::int32_t> matchAt_;
    std::vector<std::int32_t> nextMatch_;
    std::vector<std::size_t> lengths_;
};
