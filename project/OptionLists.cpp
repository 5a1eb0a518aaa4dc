#include "project/OptionLists.h"

const std::vector<std::string_view>& OptionLists::fonts()
{
    static const std::vector<std::string_view> list = {
        "Arial",    "Book Antiqua",  "Bookman Old Style", "Comic Sans MS", "Courier",         "Courier New",
        "Garamond", "MS Sans Serif", "MS Serif",          "Tahoma",        "Times New Roman", "Trebuchet MS",
        "Verdana"};
    return list;
}

const std::vector<std::string_view>& OptionLists::styles()
{
    static const std::vector<std::string_view> list = {"Plain", "Bold", "Italic", "Bold+Italic"};
    return list;
}

const std::vector<std::string_view>& OptionLists::decorations()
{
    static const std::vector<std::string_view> list = {"None", "Underline"};
    return list;
}

const std::vector<std::string_view>& OptionLists::alignments()
{
    static const std::vector<std::string_view> list = {"Left", "Center", "Right"};
    return list;
}

const std::vector<std::string_view>& OptionLists::borders()
{
    static const std::vector<std::string_view> list = {"Solid", "Dotted", "Dashed"};
    return list;
}

const std::vector<std::string_view>& OptionLists::effectStyles()
{
    static const std::vector<std::string_view> list = {"News Scroller", "News Fader"};
    return list;
}

const std::vector<std::string_view>& OptionLists::transitions()
{
    static const std::vector<std::string_view> list = {"Fade",     "GradientWipe", "Iris",
                                                       "Pixelate", "Radial Wipe",  "Random Dissolve",
                                                       "Slide",    "Wheel",        "Zigzag"};
    return list;
}

const std::vector<std::string_view>& OptionLists::speeds()
{
    static const std::vector<std::string_view> list = {"Slow", "Normal", "Fast", "Very fast"};
    return list;
}

const std::vector<std::string_view>& OptionLists::modes()
{
    static const std::vector<std::string_view> list = {"Wait to finish mode", "Page by page mode",
                                                       "Continuous mode"};
    return list;
}
