#pragma once

#include "project/ProjectRecord.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One value of a design as the command line names it: a field of Steps 1 to 4, an option, or the messages.
struct DesignValue
{
    // What the wizard's control takes, and so what the command line takes.
    enum Kind
    {
        Digits,    // a digits-only field
        Line,      // a free one-line field
        BoxName,   // the news box's name, which prefixes the file names; the wizard takes any
        ImageFile, // the background image's file name, as the file chooser gives it
        Choice,    // a drop-down list, by the text of its entry
        Tick,      // a tick box or an option: on or off
        Colour,    // a colour swatch: #RRGGBB
        Number,    // a whole number that no page shows, kept as the file holds it
        Seconds,   // a number field of seconds, held to its range
        Messages   // the Step 4 message list
    };
    using Field = std::variant<std::monostate, std::string ProjectRecord::*, int ProjectRecord::*,
                               RgbColor ProjectRecord::*>;
    using List = const std::vector<std::string_view>& (*)();

    std::string_view name;
    int step;
    std::string_view caption; // the wizard's caption of the control, or its accessible name when it has none
    Kind kind;
    Field field;
    List list = nullptr;
};

// The one table of named values: it serves set, show, the help and the shell's completion alike.
class DesignValues
{
public:
    // In the order of the steps and, within a step, of the page.
    static const std::vector<DesignValue>& all();
    static const DesignValue* find(std::string_view name);
    // The names close to a misspelt one, the closest first; none when no name is close.
    static std::vector<std::string_view> nearest(std::string_view name);

    // What a value takes, in words: "digits 0 to 9", "on or off", the entries of a list.
    static std::string takes(const DesignValue& value);
    // The whole values a value can take, for completion: the entries of a list, on and off.
    static std::vector<std::string> choices(const DesignValue& value);

    static constexpr std::string_view on = "on";
    static constexpr std::string_view off = "off";
    // A list with no entry chosen, as the wizard shows a position outside its list and saves it.
    static constexpr int noChoice = -1;
    // File names longer than this are refused by the usual file systems.
    static constexpr std::size_t longestFileName = 255;
};
