#pragma once

#include <string_view>
#include <vector>

// The fixed, unsorted option lists of the wizard; the record stores positions in them, -1 for none.
class OptionLists
{
public:
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
};
