#include "generator/DesignCheck.h"

#include "generator/Generator.h"
#include "generator/ScriptText.h"
#include "generator/ScriptValueCheck.h"
#include "generator/SizeCheck.h"
#include "generator/TemplateFields.h"
#include "generator/ValueFormats.h"
#include "project/DesignTexts.h"
#include "project/FieldCharacters.h"
#include "project/FileNames.h"
#include "project/OptionLists.h"
#include "project/ProjectEncoding.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <filesystem>

namespace {

struct ListField
{
    const char* caption;
    int step;
    int value;
    const std::vector<std::string_view>& list;
    const char* consequence;
    bool used;
};

} // namespace

std::vector<DesignFinding> DesignCheck::findings(const ProjectRecord& record, const std::string& imageFolder)
{
    Found found;
    checkName(record, record.workFolder, found);
    SizeCheck::check(record, found);
    checkColours(record, found);
    checkPlaceholders(record, found);
    ScriptValueCheck::checkFontFaces(record, found);
    checkLists(record, found);
    ScriptValueCheck::checkMessages(record, found);
    checkImage(record, imageFolder, found);
    checkLines(record, found);
    return found;
}

// Only a hand-edited file can put a line break or control character into a one-line field; the box drops
// some of them and shows none as a mark.
void DesignCheck::checkLines(const ProjectRecord& record, Found& found)
{
    const bool utf8 = ProjectEncoding::of(record) == ProjectEncoding::Utf8;
    DesignTexts::visit(record, [&](const DesignTexts::Place& place, const std::string& value) {
        if (!place.oneLine)
            return false;
        const std::u32string text =
            utf8 ? TextEncoding::decodeUtf8(value) : TextEncoding::decodeWindows1252(value);
        if (const auto refused = FieldCharacters::firstRefused(text, true))
            add(found, {place.step, std::string(place.field), place.message}, "line-break",
                "holds " + FieldCharacters::nameOf(refused->character) +
                    ", which a one-line field does not take; the news box does not show the text as it "
                    "stands, so remove it.");
        return false;
    });
}

std::vector<std::string> DesignCheck::problems(const ProjectRecord& record, const std::string& imageFolder)
{
    std::vector<std::string> texts;
    for (const DesignFinding& finding : findings(record, imageFolder))
        texts.push_back(finding.text);
    return texts;
}

std::string DesignCheck::quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

void DesignCheck::add(Found& found, const Place& place, const char* code, const std::string& what)
{
    std::string text = "Step " + std::to_string(place.step) + ", ";
    if (place.message > 0)
        text += "message " + std::to_string(place.message) + ", ";
    text += place.field + ": " + what;
    found.push_back({place.step, place.field, place.message, code, std::move(text)});
}

// Colour components come from the colour chooser as 0 to 255; a hand-edited file may hold others, which
// give a colour of more or fewer than six digits that browsers refuse.
void DesignCheck::checkColours(const ProjectRecord& r, Found& found)
{
    const struct
    {
        Place place;
        const RgbColor& colour;
        const char* consequence;
    } colours[] = {
        {{2, "Background color"}, r.bgColor, "the box has no background colour"},
        {{2, "Text color"}, r.textColor, "the texts keep the browser's colour"},
        {{2, "Mouse over text color"}, r.textHoverColor, "a text under the mouse keeps its colour after"},
        {{2, "Title color"}, r.titleColor, "the titles take the colour of the texts"},
        {{2, "Mouse over title color"}, r.titleHoverColor, "a title under the mouse keeps its colour after"},
        {{3, "Border color"}, r.borderColor, "the border is drawn in the text colour"},
    };
    const auto outside = [](int component) { return component < 0 || component > 255; };
    for (const auto& entry : colours) {
        const RgbColor& c = entry.colour;
        if (outside(c.red) || outside(c.green) || outside(c.blue))
            add(found, entry.place, "colour-outside",
                "red " + std::to_string(c.red) + ", green " + std::to_string(c.green) + ", blue " +
                    std::to_string(c.blue) + " has a part outside 0 to 255, so it is written as #" +
                    ValueFormats::HexColor(c) + ", which browsers refuse: " + entry.consequence + ".");
    }
}

void DesignCheck::checkPlaceholders(const ProjectRecord& record, Found& found)
{
    for (const TemplateFields::Field& field : TemplateFields::of(record)) {
        const auto placeholder = TemplateFields::placeholderIn(field.value);
        if (!placeholder)
            continue;
        add(found, {field.step, std::string(field.caption)}, "placeholder",
            "holds " + quoted(std::string(*placeholder)) +
                ", which the generator looks for in its scripts; the news box is not generated until it is "
                "removed.");
    }
}

void DesignCheck::checkName(const ProjectRecord& record, const std::string& folder, Found& found)
{
    const std::string& name = record.scrollerName;
    const Place place{1, "Name"};
    if (name.empty()) {
        add(found, place, "name-empty",
            "empty; the files are called plainly newstic.html, newsticie.js and newsticns6.js and clash with "
            "any other news box in the same folder.");
        return;
    }
    if (FileNames::holdsSeparator(name)) {
        add(found, place, "name-separator",
            quoted(name) + " holds " + quoted(std::string(1, name[name.find_first_of("/\\")])) +
                ", a path separator, which would put the files outside their folder; the news box is not "
                "generated until it is removed.");
        return;
    }
    if (const std::size_t bad = FileNames::firstUnportable(name); bad != std::string::npos)
        add(found, place, "name-unportable",
            quoted(name) + " holds " + quoted(std::string(1, name[bad])) +
                ", which is not allowed in file names on every system; the files cannot be written, or not "
                "copied to a web server.");
    const std::string longest = Generator::boxFileName(record, Generator::longestFileSuffix);
    if (const long limit = Generator::fileNameLimit(folder); static_cast<long>(longest.size()) > limit)
        add(found, place, "name-too-long",
            "makes the file name " + quoted(longest) + " " + std::to_string(longest.size()) +
                " bytes long, more than the " + std::to_string(limit) +
                " that the folder allows; the news box is not generated until it is shortened.");
}

void DesignCheck::checkLists(const ProjectRecord& r, Found& found)
{
    const bool fader = r.effectStyle != OptionLists::scrollerStyle;
    const ListField fields[] = {
        {"Text Font type", 3, r.textFontIndex, OptionLists::fonts(), "the text font is left to the browser",
         r.textUseCustomFont != ProjectRecord::ticked},
        {"Title font type", 3, r.titleFontIndex, OptionLists::fonts(),
         "the title font is left to the browser", r.titleUseCustomFont != ProjectRecord::ticked},
        {"Text alignment", 3, r.alignment, OptionLists::alignments(), "the text gets no alignment", true},
        {"Border style", 3, r.borderStyle, OptionLists::borders(), "the border is drawn solid", true},
        {"Text style", 3, r.textStyle, OptionLists::styles(), "the text gets no style or weight", true},
        {"Title style", 3, r.titleStyle, OptionLists::styles(), "the titles get no style or weight", true},
        {"Text decoration", 3, r.textDecoration, OptionLists::decorations(), "it counts as Underline", true},
        {"Mouse over text decoration", 3, r.textHoverDecoration, OptionLists::decorations(),
         "it counts as Underline", true},
        {"Title text decoration", 3, r.titleDecoration, OptionLists::decorations(), "it counts as Underline",
         true},
        {"Title mouse over text decoration", 3, r.titleHoverDecoration, OptionLists::decorations(),
         "it counts as Underline", true},
        {"Style", 4, r.effectStyle, OptionLists::effectStyles(), "the news box becomes a fader", true},
        {"Transition effect", 4, r.effectType, OptionLists::transitions(),
         "Internet Explorer gets no message box at all", fader},
        {"Transition speed", 4, r.transitionSpeed, OptionLists::speeds(),
         "Internet Explorer holds each page for 0 ms", fader || r.scrollMode == OptionLists::pageByPageMode},
        {"Mode", 4, r.scrollMode, OptionLists::modes(), "the continuous mode is used", !fader},
    };
    for (const ListField& field : fields) {
        if (field.used && !OptionLists::contains(field.list, field.value))
            add(found, {field.step, field.caption}, "list-outside",
                std::to_string(field.value) + " is outside its list (0 to " +
                    std::to_string(field.list.size() - 1) +
                    "); the wizard shows no choice and saves -1, and " + field.consequence + ".");
    }
}

void DesignCheck::checkImage(const ProjectRecord& record, const std::string& imageFolder, Found& found)
{
    if (record.bgImageOn != ProjectRecord::ticked)
        return;
    const Place place{2, "Background image"};
    const std::string name = ScriptText(record).fileName(record.bgImageName);
    if (!record.bgImageName.empty() && !FileNames::isPlain(name)) {
        add(found, place, "image-folder",
            quoted(name) +
                " is not a plain file name: the page asks for the image at that place relative to "
                "itself, and it is not copied beside the generated files, so the box shows no image "
                "there; choose an image beside the project.");
        return;
    }
    std::error_code status;
    const auto image = std::filesystem::path(imageFolder) / name;
    if (record.bgImageName.empty() || !std::filesystem::is_regular_file(image, status))
        add(found, place, "image-missing",
            quoted(record.bgImageName) + " is switched on but not found in " + quoted(imageFolder) +
                "; the box shows no image.");
    const std::string address = ScriptText(record).address(record.bgImageName);
    if (address != record.bgImageName)
        add(found, place, "image-encoded",
            quoted(record.bgImageName) +
                " holds characters that a web address cannot hold as they are; the page asks for it "
                "percent-encoded, as " +
                quoted(address) + ", so keep the file's name exactly as it is.");
}
