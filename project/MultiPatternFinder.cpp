#include "project/MultiPatternFinder.h"

#include <queue>

MultiPatternFinder::MultiPatternFinder(const std::vector<std::string>& patterns)
{
    addNode();
    for (std::size_t i = 0; i < patterns.size(); ++i)
        insert(patterns[i], static_cast<std::int32_t>(i));
    link();
}

std::int32_t MultiPatternFinder::addNode()
{
    transitions_.resize(transitions_.size() + alphabet, -1);
    patternOf_.push_back(-1);
    matchAt_.push_back(-1);
    nextMatch_.push_back(-1);
    return static_cast<std::int32_t>(patternOf_.size() - 1);
}

void MultiPatternFinder::insert(const std::string& pattern, std::int32_t index)
{
    lengths_.push_back(pattern.size());
    if (pattern.empty())
        return;
    std::int32_t node = 0;
    for (unsigned char c : pattern) {
        const std::size_t slot = static_cast<std::size_t>(node) * alphabet + c;
        if (transitions_[slot] < 0) {
            const std::int32_t child = addNode();
            transitions_[slot] = child;
        }
        node = transitions_[slot];
    }
    patternOf_[static_cast<std::size_t>(node)] = index;
}

// Breadth first, so that each node's failure state is complete before its children need it; missing
// transitions then borrow the failure state's, which turns the trie into a complete automaton.
void MultiPatternFinder::link()
{
    std::vector<std::int32_t> failure(patternOf_.size(), 0);
    std::queue<std::int32_t> pending;
    for (std::size_t c = 0; c < alphabet; ++c) {
        std::int32_t& next = transitions_[c];
        if (next < 0) {
            next = 0;
        } else {
            pending.push(next);
        }
    }
    while (!pending.empty()) {
        const auto node = static_cast<std::size_t>(pending.front());
        pending.pop();
        const auto fail = static_cast<std::size_t>(failure[node]);
        matchAt_[node] = patternOf_[node] >= 0 ? static_cast<std::int32_t>(node) : matchAt_[fail];
        if (patternOf_[node] >= 0)
            nextMatch_[node] = matchAt_[fail];
        for (std::size_t c = 0; c < alphabet; ++c) {
            std::int32_t& next = transitions_[node * alphabet + c];
            const std::int32_t borrowed = transitions_[fail * alphabet + c];
            if (next < 0) {
                next = borrowed;
            } else {
                failure[static_cast<std::size_t>(next)] = borrowed;
                pending.push(next);
            }
        }
    }
}
