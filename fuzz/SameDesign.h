#pragma once

#include "fuzz/FuzzCheck.h"
#include "project/ProjectKeys.h"

// Every setting, option and message of the two designs is the same.
inline void requireSameDesign(const ProjectRecord& first, const ProjectRecord& again)
{
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        const std::string what = "the setting " + std::string(line.key) + " survives a save";
        if (const auto* field = std::get_if<std::string ProjectRecord::*>(&line.field)) {
            require(first.*(*field) == again.*(*field), what, first.*(*field) + "\n" + again.*(*field));
        } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
            require(first.*(*integer) == again.*(*integer), what);
        } else {
            const auto color = std::get<RgbColor ProjectRecord::*>(line.field);
            require((first.*color).red == (again.*color).red &&
                        (first.*color).green == (again.*color).green &&
                        (first.*color).blue == (again.*color).blue,
                    what);
        }
    }
    for (const OptionLine& line : ProjectKeys::optionLines())
        require(first.*line.field == again.*line.field,
                "the option " + std::string(line.key) + " survives a save");
    // An option's number is saved only while the option is on.
    for (const OptionValueLine& line : ProjectKeys::optionValueLines())
        require(first.*line.option != ProjectRecord::ticked || first.*line.field == again.*line.field,
                "the number " + std::string(line.key) + " survives a save");
    require(first.messageTexts() == again.messageTexts(), "message texts survive a save");
    require(first.messageLinks() == again.messageLinks(), "message links survive a save");
    require(first.messageTargets() == again.messageTargets(), "message targets survive a save");
    require(first.messageTitles() == again.messageTitles(), "message titles survive a save");
}
