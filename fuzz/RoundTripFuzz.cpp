// A design read from any text, written and read again, comes back field for field.
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainLookup.h"
#include "project/ProjectKeys.h"
#include "project/ProjectWriter.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// A value that holds a start or an end text of the format cannot come back: the reader takes the first
// occurrence of each, wherever it stands. Every such text contains "qvo-".
bool holdsFormatText(const ProjectRecord& record)
{
    const auto hasKeyText = [](const std::string& value) { return value.find("qvo-") != std::string::npos; };
    for (const SettingLine& line : ProjectKeys::settingLines())
        if (const auto* field = std::get_if<std::string ProjectRecord::*>(&line.field))
            if (hasKeyText(record.*(*field)))
                return true;
    for (const auto* list :
         {&record.messageTitles(), &record.messageTexts(), &record.messageLinks(), &record.messageTargets()})
        if (std::any_of(list->begin(), list->end(), hasKeyText))
            return true;
    return false;
}

void requireSameDesign(const ProjectRecord& first, const ProjectRecord& again)
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
    require(first.messageTexts() == again.messageTexts(), "message texts survive a save");
    require(first.messageLinks() == again.messageLinks(), "message links survive a save");
    require(first.messageTargets() == again.messageTargets(), "message targets survive a save");
    require(first.messageTitles() == again.messageTitles(), "message titles survive a save");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = projectTextWithinLimit(data, size);
    if (!text)
        return -1;
    const ProjectRecord first = readText(*text);
    if (holdsFormatText(first))
        return 0;
    const std::string written = ProjectWriter::projectText(first);
    const ProjectRecord again = readText(written);
    requireSameDesign(first, again);
    require(ProjectWriter::projectText(again) == written, "a saved design saves to the same bytes again");
    return 0;
}
