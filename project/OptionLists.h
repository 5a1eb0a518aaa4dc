#pragma once

#include <string_view>
#include <vector>

// The fixed, unsorted option lists of the wizard; the record stores positions in them, -1 for none.
class OptionLists
{
public:
    // Positions that the generator branches on.
    static constexpr int scrollerStyle = 0;    // in effectStyles(); any other value makes a fader
    static constexpr int waitToFinishMode = 0; // in modes()
    static constexpr int pageByPageMode = 1;

    static const std::vector<std::string_view>& fonts();
    static const std::vector<std::string_view>& styles();
    static const std::vector<std::string_view>& decorations();
    static const std::vector<std::string_view>& alignments();
    static const std::vector<std::string_view>& borders();
    static const std::vector<std::string_view>& effectStyles();
    static const std::vector<std::string_view>& transitions();
    static const std::vector<std::string_view>& speeds();
    static const std::vector<std::string_view>& modes();

    static bool contains(const std::vector<std::string_view>& list, int position)
    {
        return position >= 0 && static_cast<std::size_t>(position) < list.size();
    }
    // What a list shows and keeps for a stored position: the position itself, or -1 (no choice) when
    // it lies outside the list.
    static int shownPosition(const std::vector<std::string_view>& list, int position)
    {
        return contains(list, position) ? position : -1;
    }
};
