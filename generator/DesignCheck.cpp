#include "generator/DesignCheck.h"

#include "generator/ScriptText.h"
#include "generator/TemplateFields.h"
#include "generator/ValueFormats.h"
#include "project/FileNames.h"
#include "project/IntegerText.h"
#include "project/OptionLists.h"

#include <algorithm>
#include <filesystem>

namespace {

bool isPlainDigits(const std::string& text)
{
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

struct NumberField
{
    const char* caption;
    const std::string& value;
    bool used;
    bool positive = false;
};

struct ListField
{
    const char* caption;
    int value;
    const std::vector<std::string_view>& list;
    const char* consequence;
    bool used;
};

// The characters after a backslash that make an escape of their own; before any other the backslash only
// vanishes.
bool hasEscapeMeaning(char32_t c)
{
    return std::string_view("'\"\\bfnrtvxu0123456789").find(static_cast<char>(c)) != std::string_view::npos;
}

std::string asciiText(std::u32string_view characters)
{
    std::string text;
    for (char32_t c : characters)
        text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
}

} // namespace

std::vector<std::string> DesignCheck::problems(const ProjectRecord& record, const std::string& imageFolder)
{
    std::vector<std::string> found;
    checkName(record, found);
    checkNumbers(record, found);
    checkPlaceholders(record, found);
    checkFontFaces(record, found);
    checkLists(record, found);
    checkMessages(record, found);
    checkImage(record, imageFolder, found);
    return found;
}

void DesignCheck::checkNumbers(const ProjectRecord& r, std::vector<std::string>& found)
{
    const bool scroller = r.effectStyle == OptionLists::scrollerStyle;
    const bool image = r.bgImageOn == ProjectRecord::ticked;
    const NumberField fields[] = {
        {"Step 2, Width", r.width, true, true},
        {"Step 2, Height", r.height, true, true},
        {"Step 2, Space", r.paragraphSpace, true},
        {"Step 2, Top margin", r.topMargin, true},
        {"Step 2, Bottom margin", r.bottomMargin, true},
        {"Step 2, Left margin", r.leftMargin, true},
        {"Step 2, Right margin", r.rightMargin, true},
        {"Step 2, Image X position", r.bgImageX, image},
        {"Step 2, Image Y position", r.bgImageY, image},
        {"Step 3, Font size", r.textFontSize, true},
        {"Step 3, Title font size", r.titleFontSize, true},
        {"Step 3, Line height", r.textLineHeight, true},
        {"Step 3, Title line height", r.titleLineHeight, true},
        {"Step 3, Border width", r.borderWidth, true},
        {"Step 4, Scroll delay", r.scrollDelay, scroller},
        {"Step 4, Pause", r.pause, true},
    };
    for (const NumberField& field : fields) {
        if (!field.used)
            continue;
        if (!isPlainDigits(field.value))
            found.push_back(std::string(field.caption) + ": " + quoted(field.value) +
                            " is not plain digits; it goes into the generated code as typed, so the news box "
                            "gets a wrong size or stops with a script error.");
        else if (field.positive && IntegerText::parse(field.value) <= 0)
            found.push_back(std::string(field.caption) + ": " + quoted(field.value) +
                            " is not a positive number; the news box has no room and shows nothing.");
        else if (const std::string written = ValueFormats::number(field.value); written != field.value)
            found.push_back(std::string(field.caption) + ": " + quoted(field.value) +
                            " has a leading zero, which scripts may read as an octal number; it is "
                            "written as " +
                            written + ".");
    }
}

void DesignCheck::checkPlaceholders(const ProjectRecord& record, std::vector<std::string>& found)
{
    for (const TemplateFields::Field& field : TemplateFields::of(record))
        if (const auto placeholder = TemplateFields::placeholderIn(field.value))
            found.push_back(std::string(field.name) + ": holds " + quoted(std::string(*placeholder)) +
                            ", which the generator looks for in its scripts; the news box is not generated "
                            "until it is removed.");
}

void DesignCheck::checkName(const ProjectRecord& record, std::vector<std::string>& found)
{
    const std::string& name = record.scrollerName;
    if (name.empty()) {
        found.push_back("Step 1, Name: empty; the files are called plainly newstic.html, newsticie.js and "
                        "newsticns6.js and clash with any other news box in the same folder.");
        return;
    }
    if (const std::size_t bad = FileNames::firstUnportable(name); bad != std::string::npos)
        found.push_back("Step 1, Name: " + quoted(name) + " holds " + quoted(std::string(1, name[bad])) +
                        ", which is not allowed in file names on every system; the files cannot be written, "
                        "or not copied to a web server.");
}

void DesignCheck::checkMessages(const ProjectRecord& record, std::vector<std::string>& found)
{
    if (record.messageCount() == 0)
        found.push_back("Step 4, Messages: there are none; the news box stays empty.");
    const ScriptText script(record);
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message m = record.message(i);
        const std::string where = "Step 4, message " + std::to_string(i + 1);
        checkBackslashes(script, where + ", Title", m.title, true, found);
        checkBackslashes(script, where + ", Text", m.text, true, found);
        checkBackslashes(script, where + ", Link", m.link, true, found);
        checkBackslashes(script, where + ", Target", m.target, true, found);
        checkLink(script, m, where, found);
    }
}

// A link that goes to the parent or top window is put into a single-quoted string and evaluated.
void DesignCheck::checkLink(const ScriptText& script, const Message& m, const std::string& where,
                            std::vector<std::string>& found)
{
    if (!m.link.empty() && m.link.size() <= 3) {
        found.push_back(where + ", Link: " + quoted(m.link) +
                        " has one to three characters; a click on the message does nothing.");
        return;
    }
    const bool evaluated =
        m.link.size() > 3 && m.link.rfind("javascript:", 0) != 0 &&
        (m.target.find("_parent") != std::string::npos || m.target.find("_top") != std::string::npos);
    if (!evaluated)
        return;
    if (m.link.find('\'') != std::string::npos)
        found.push_back(where + ", Link: holds a single quote, and the target " + quoted(m.target) +
                        " opens it through a script; a click on the message fails with a script error "
                        "instead of opening the address.");
    const std::u32string link = script.characters(m.link);
    const std::vector<bool> doubled = ScriptText::literalBackslashes(link, true);
    bool backslashArrives = false;
    for (std::size_t at = 0; at < link.size(); ++at) {
        if (link[at] != '\\')
            continue;
        if (doubled[at] || (at + 1 < link.size() && link[at + 1] == '\\'))
            backslashArrives = true;
        if (!doubled[at])
            ++at;
    }
    if (backslashArrives)
        found.push_back(where + ", Link: holds a backslash, and the target " + quoted(m.target) +
                        " opens the address through a script that reads it as an escape; a click fails or "
                        "opens another address.");
}

void DesignCheck::checkFontFaces(const ProjectRecord& record, std::vector<std::string>& found)
{
    const ScriptText script(record);
    checkBackslashes(script, "Step 3, Text font", record.textFontFace, false, found);
    checkBackslashes(script, "Step 3, Title font", record.titleFontFace, false, found);
}

// Backslashes pass into the scripts so that authors may write JavaScript escapes; those that would break
// the script are written doubled, those that only vanish are worth a word.
void DesignCheck::checkBackslashes(const ScriptText& script, const std::string& field,
                                   const std::string& value, bool quotesEscaped,
                                   std::vector<std::string>& found)
{
    if (value.find('\\') == std::string::npos)
        return;
    const std::u32string text = script.characters(value);
    const std::vector<bool> doubled = ScriptText::literalBackslashes(text, quotesEscaped);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\')
            continue;
        const std::string typed = asciiText(text.substr(at, 2));
        if (doubled[at]) {
            found.push_back(
                field + ": the backslash in " + quoted(typed) +
                " cannot go into the script as it is, so it is written doubled and the box shows the "
                "text exactly as typed.");
            return;
        }
        if (!hasEscapeMeaning(text[at + 1])) {
            found.push_back(field + ": " + quoted(typed) + " is read as a JavaScript escape and shows as " +
                            quoted(typed.substr(1)) + "; type \\\\ for a backslash.");
            return;
        }
        ++at;
    }
}

void DesignCheck::checkLists(const ProjectRecord& r, std::vector<std::string>& found)
{
    const bool fader = r.effectStyle != OptionLists::scrollerStyle;
    const ListField fields[] = {
        {"Step 3, Text Font type", r.textFontIndex, OptionLists::fonts(),
         "the text font is left to the browser", r.textUseCustomFont != ProjectRecord::ticked},
        {"Step 3, Title font type", r.titleFontIndex, OptionLists::fonts(),
         "the title font is left to the browser", r.titleUseCustomFont != ProjectRecord::ticked},
        {"Step 3, Text alignment", r.alignment, OptionLists::alignments(), "the text gets no alignment",
         true},
        {"Step 3, Border style", r.borderStyle, OptionLists::borders(), "the border is drawn solid", true},
        {"Step 3, Text style", r.textStyle, OptionLists::styles(), "the text gets no style or weight", true},
        {"Step 3, Title style", r.titleStyle, OptionLists::styles(), "the titles get no style or weight",
         true},
        {"Step 3, Text decoration", r.textDecoration, OptionLists::decorations(), "it counts as Underline",
         true},
        {"Step 3, Mouse over text decoration", r.textHoverDecoration, OptionLists::decorations(),
         "it counts as Underline", true},
        {"Step 3, Title text decoration", r.titleDecoration, OptionLists::decorations(),
         "it counts as Underline", true},
        {"Step 3, Title mouse over text decoration", r.titleHoverDecoration, OptionLists::decorations(),
         "it counts as Underline", true},
        {"Step 4, Style", r.effectStyle, OptionLists::effectStyles(), "the news box becomes a fader", true},
        {"Step 4, Transition effect", r.effectType, OptionLists::transitions(),
         "Internet Explorer gets no message box at all", fader},
        {"Step 4, Transition speed", r.transitionSpeed, OptionLists::speeds(),
         "Internet Explorer holds each page for 0 ms", fader || r.scrollMode == OptionLists::pageByPageMode},
        {"Step 4, Mode", r.scrollMode, OptionLists::modes(), "the continuous mode is used", !fader},
    };
    for (const ListField& field : fields) {
        if (field.used && !OptionLists::contains(field.list, field.value))
            found.push_back(std::string(field.caption) + ": " + std::to_string(field.value) +
                            " is outside its list (0 to " + std::to_string(field.list.size() - 1) +
                            "); the wizard shows no choice and saves -1, and " + field.consequence + ".");
    }
}

void DesignCheck::checkImage(const ProjectRecord& record, const std::string& imageFolder,
                             std::vector<std::string>& found)
{
    if (record.bgImageOn != ProjectRecord::ticked)
        return;
    std::error_code status;
    const auto image = std::filesystem::path(imageFolder) / ScriptText(record).fileName(record.bgImageName);
    if (record.bgImageName.empty() || !std::filesystem::is_regular_file(image, status))
        found.push_back("Step 2, Background image: " + quoted(record.bgImageName) +
                        " is switched on but not found in " + quoted(imageFolder) +
                        "; the box shows no image.");
    const std::string address = ScriptText(record).address(record.bgImageName);
    if (address != record.bgImageName)
        found.push_back("Step 2, Background image: " + quoted(record.bgImageName) +
                        " holds characters that a web address cannot hold as they are; the page asks for it "
                        "percent-encoded, as " +
                        quoted(address) + ", so keep the file's name exactly as it is.");
}
