#include "generator/DesignCheck.h"

#include "generator/Generator.h"
#include "generator/MarkupCheck.h"
#include "generator/ScriptEscape.h"
#include "generator/ScriptText.h"
#include "generator/TemplateFields.h"
#include "generator/ValueFormats.h"
#include "generator/WordWidth.h"
#include "project/DesignTexts.h"
#include "project/FieldCharacters.h"
#include "project/FileNames.h"
#include "project/IntegerText.h"
#include "project/OptionLists.h"
#include "project/ProjectEncoding.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <filesystem>

namespace {

// Wider or taller than any screen: the box cannot be seen whole, and a scroller takes minutes to bring its
// first message into sight.
constexpr long hugeSize = 100000;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isPlainDigits(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// A number as CSS reads it before a unit: digits with at least one digit and at most one decimal point,
// and, where allowed, a minus sign.
bool isCssNumber(std::string_view text, bool signAllowed)
{
    if (signAllowed && !text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const auto point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? "" : text.substr(point + 1);
    const bool digitsOnly = std::all_of(whole.begin(), whole.end(), isDigit) &&
                            std::all_of(fraction.begin(), fraction.end(), isDigit);
    return digitsOnly && (!whole.empty() || !fraction.empty()) &&
           (point == std::string_view::npos || !fraction.empty());
}

std::string quoted(const std::string& text)
{
    return "\"" + text + "\"";
}

// Where a typed number goes decides what it may hold: script code takes plain digits only, a style
// value a CSS number.
enum class NumberUse
{
    Code,
    Style,
    Position
};

struct NumberField
{
    DesignCheck::Place place;
    const std::string& value;
    bool used;
    NumberUse use = NumberUse::Code;
    bool positive = false;
};

struct ListField
{
    const char* caption;
    int step;
    int value;
    const std::vector<std::string_view>& list;
    const char* consequence;
    bool used;
};

// An escape that stands for the very character typed after its backslash, where that character needs no
// backslash: the backslash only vanishes. \' \" and \\ are needed in a literal, so they count as meant.
bool dropsBackslash(std::u32string_view text, std::size_t backslash)
{
    const char32_t next = text[backslash + 1];
    const auto escape = ScriptEscape::at(text, backslash);
    return escape && escape->length == 1 && escape->character == next && next != '\'' && next != '"' &&
           next != '\\';
}

// Escapes that put a character other than the one typed after the backslash: what turns a folder name
// such as C:\new into a line break.
bool changesCharacter(std::u32string_view text, std::size_t backslash)
{
    const auto escape = ScriptEscape::at(text, backslash);
    return escape && (escape->length > 1 || escape->character != text[backslash + 1]);
}

std::string asciiText(std::u32string_view characters)
{
    std::string text;
    for (char32_t c : characters)
        text += c < 0x80 ? static_cast<char>(c) : '?';
    return text;
}

// The text that the browser's string holds: escapes read as the browser reads them.
std::u32string decodedText(std::u32string_view text, const std::vector<bool>& doubled)
{
    return ScriptEscape::read(text, doubled).text;
}

// The text as the box shows it: the decoded text with runs of white space shown as one blank, as HTML
// shows them.
std::string shownText(std::u32string_view text, const std::vector<bool>& doubled)
{
    const std::u32string decoded = decodedText(text, doubled);
    std::u32string shown;
    for (char32_t c : decoded) {
        const bool space = c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
        if (space && !shown.empty() && shown.back() == ' ')
            continue;
        if (space || c >= 0x20)
            shown += space ? U' ' : c;
    }
    return TextEncoding::encodeUtf8(shown);
}

// The length of a text as a script counts it, in UTF-16 units.
std::size_t utf16Length(std::u32string_view text)
{
    return text.size() + static_cast<std::size_t>(
                             std::count_if(text.begin(), text.end(), [](char32_t c) { return c > 0xFFFF; }));
}

// " is read as \"AB\" and" where escapes make the browser's string differ from what was typed.
std::string readAs(std::u32string_view typed, std::u32string_view read)
{
    return typed == read ? "" : " is read as " + quoted(TextEncoding::encodeUtf8(read)) + " and";
}

std::string characterName(char32_t c)
{
    switch (c) {
    case '\'':
        return "a single quote";
    case '\n':
        return "a line break";
    case '\r':
        return "a carriage return";
    case 0x2028:
        return "a line separator (U+2028)";
    default:
        return "a paragraph separator (U+2029)";
    }
}

// The character at `at` of what the browser reads, named, and with how it was typed where that was an
// escape: "\"\\x27\", which the browser reads as a single quote".
std::string spelling(std::u32string_view typed, const ScriptEscape::Reading& read, std::size_t at)
{
    const std::size_t from = read.origins[at];
    const std::size_t to = at + 1 < read.origins.size() ? read.origins[at + 1] : typed.size();
    if (to - from == 1 && typed[from] == read.text[at])
        return characterName(read.text[at]);
    return quoted(TextEncoding::encodeUtf8(typed.substr(from, to - from))) + ", which the browser reads as " +
           characterName(read.text[at]);
}

// A Windows folder or file path: a drive letter and a backslash, or a network path.
bool looksLikePath(std::u32string_view text)
{
    for (std::size_t at = 0; at + 2 < text.size(); ++at)
        if (text[at + 1] == ':' && text[at + 2] == '\\' &&
            ((text[at] >= 'A' && text[at] <= 'Z') || (text[at] >= 'a' && text[at] <= 'z')))
            return true;
    return text.starts_with(U"\\\\");
}

std::string escapeName(char32_t c)
{
    switch (c) {
    case 'n':
        return "a line break";
    case 'r':
        return "a carriage return";
    case 't':
        return "a tab";
    case 'b':
        return "a backspace";
    case 'f':
        return "a form feed";
    case 'v':
        return "a vertical tab";
    case 'x':
    case 'u':
        return "the character of that code";
    default:
        return "the character of that octal code";
    }
}

} // namespace

std::vector<DesignFinding> DesignCheck::findings(const ProjectRecord& record, const std::string& imageFolder)
{
    Found found;
    checkName(record, record.workFolder, found);
    checkNumbers(record, found);
    checkRoom(record, found);
    checkColumn(record, found);
    checkColours(record, found);
    checkPlaceholders(record, found);
    checkFontFaces(record, found);
    checkLists(record, found);
    checkMessages(record, found);
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

void DesignCheck::add(Found& found, const Place& place, const char* code, const std::string& what)
{
    std::string text = "Step " + std::to_string(place.step) + ", ";
    if (place.message > 0)
        text += "message " + std::to_string(place.message) + ", ";
    text += place.field + ": " + what;
    found.push_back({place.step, place.field, place.message, code, std::move(text)});
}

void DesignCheck::checkNumbers(const ProjectRecord& r, Found& found)
{
    const bool scroller = r.effectStyle == OptionLists::scrollerStyle;
    const bool image = r.bgImageOn == ProjectRecord::ticked;
    const NumberField fields[] = {
        {{2, "Width"}, r.width, true, NumberUse::Code, true},
        {{2, "Height"}, r.height, true, NumberUse::Code, true},
        {{2, "Space"}, r.paragraphSpace, true},
        {{2, "Top margin"}, r.topMargin, true},
        {{2, "Bottom margin"}, r.bottomMargin, true},
        {{2, "Left margin"}, r.leftMargin, true},
        {{2, "Right margin"}, r.rightMargin, true},
        {{2, "Image X position"}, r.bgImageX, image, NumberUse::Position},
        {{2, "Image Y position"}, r.bgImageY, image, NumberUse::Position},
        {{3, "Font size"}, r.textFontSize, true, NumberUse::Style},
        {{3, "Title font size"}, r.titleFontSize, true, NumberUse::Style},
        {{3, "Line height"}, r.textLineHeight, true, NumberUse::Style},
        {{3, "Title line height"}, r.titleLineHeight, true, NumberUse::Style},
        {{3, "Border width"}, r.borderWidth, true},
        {{4, "Scroll delay"}, r.scrollDelay, scroller},
        {{4, "Pause"}, r.pause, true},
    };
    for (const NumberField& field : fields) {
        if (!field.used)
            continue;
        const std::string typed = quoted(field.value);
        if (field.use == NumberUse::Style && !isCssNumber(field.value, false))
            add(found, field.place, "number-not-css",
                typed + " is not a number; it goes into the style with \"pt\" after it, so the browser "
                        "ignores it and uses its own size.");
        else if (field.use == NumberUse::Position && !isCssNumber(field.value, true))
            add(found, field.place, "number-not-css",
                typed + " is not a number; it goes into the style with \"px\" after it, so the browser "
                        "ignores the position and puts the image at the top left.");
        else if (field.use == NumberUse::Code && !isPlainDigits(field.value))
            add(found, field.place, "number-not-digits",
                typed + " is not plain digits; it goes into the generated code as typed, so the news box "
                        "gets a wrong size or stops with a script error.");
        else if (field.positive && IntegerText::parse(field.value) <= 0)
            add(found, field.place, "number-not-positive",
                typed + " is not a positive number; the news box has no room and shows nothing.");
        else if (field.positive && IntegerText::parse(field.value) > hugeSize)
            add(found, field.place, "size-huge",
                typed + " is more than " + std::to_string(hugeSize) +
                    " pixels, larger than any screen; the box cannot be seen whole, and a scroller takes "
                    "minutes to bring its first message into sight.");
        else if (field.use == NumberUse::Style &&
                 (field.place.field == "Font size" || field.place.field == "Title font size") &&
                 std::stod(field.value) == 0)
            add(found, field.place, "font-size-zero",
                typed + " is a font size of 0; the browser draws the letters with no size, so the " +
                    (field.place.field == "Font size" ? "texts" : "titles") + " cannot be seen.");
    }
}

// The messages go inside the margins and the border; where those take all of the box, nothing is left
// to show them in.
void DesignCheck::checkRoom(const ProjectRecord& r, Found& found)
{
    for (const std::string* value :
         {&r.width, &r.height, &r.leftMargin, &r.topMargin, &r.bottomMargin, &r.borderWidth})
        if (!isPlainDigits(*value))
            return;
    const auto number = [](const std::string& text) { return static_cast<long>(IntegerText::parse(text)); };
    const long border = number(r.borderWidth);
    // The message area inside the border is width - 2 border wide; a message starts at the left margin.
    const long across = number(r.leftMargin) + 2 * border;
    // The area shows the rows from the top margin down to the bottom margin and the border, and no lower
    // than its own height, height - 2 border.
    const long down = number(r.topMargin) + std::max(number(r.bottomMargin) + border, 2 * border);
    if (number(r.width) > 0 && across >= number(r.width))
        add(found, {2, "Width"}, "size-no-room",
            quoted(r.width) + " leaves no room across: the left margin and twice the border width take " +
                std::to_string(across) +
                " pixels, so the messages start outside the box and cannot be seen.");
    if (number(r.height) > 0 && down >= number(r.height))
        add(found, {2, "Height"}, "size-no-room",
            quoted(r.height) + " leaves no room: the top margin, the bottom margin and the border take " +
                std::to_string(down) + " pixels, so the box shows no message.");
}

// A word wider than the text column runs on past the column's side, over the margin, and whatever
// passes the box's edge is cut off. Left to right the words start at the left margin; right to left they
// end at the column's right side and run out to the left, unless margins and border together are wider
// than the box: the column then has no width of its own and grows from the left margin to fit the word.
void DesignCheck::checkColumn(const ProjectRecord& r, Found& found)
{
    for (const std::string* value : {&r.width, &r.leftMargin, &r.rightMargin, &r.borderWidth})
        if (!isPlainDigits(*value))
            return;
    const auto number = [](const std::string& text) { return static_cast<long>(IntegerText::parse(text)); };
    const long inner = number(r.width) - 2 * number(r.borderWidth);
    const long left = number(r.leftMargin);
    const long right = number(r.rightMargin);
    if (left >= inner)
        return; // the messages start outside the box, which checkRoom reports
    const bool towardsLeft = r.rightToLeft == ProjectRecord::ticked && inner - left - right >= 0;
    const long room = towardsLeft ? inner - right : inner - left;

    const ScriptText script(r);
    WordWidth::Word widest;
    int widestMessage = 0;
    std::string widestSize;
    for (int i = 0; i < r.messageCount(); ++i) {
        const Message m = r.message(i);
        const struct
        {
            const std::string& value;
            const std::string& size;
            const std::string& face;
        } fields[] = {{m.title, r.titleFontSize, r.titleFontFace}, {m.text, r.textFontSize, r.textFontFace}};
        for (const auto& [value, size, face] : fields) {
            if (!isCssNumber(size, false))
                continue;
            const std::u32string text = script.characters(value);
            const std::u32string decoded = decodedText(text, ScriptText::literalBackslashes(text, true));
            const WordWidth::Word word = WordWidth::widestIn(decoded, face, std::stod(size) * 4 / 3);
            if (word.pixels > widest.pixels) {
                widest = word;
                widestMessage = i + 1;
                widestSize = size;
            }
        }
    }
    // A word's advance ends in the last letter's side bearing: passing the edge by a pixel or less cuts
    // nothing that can be seen.
    if (widest.pixels <= room + 1)
        return;
    const Place place = towardsLeft ? Place{2, "Right margin"} : Place{2, "Left margin"};
    add(found, place, "words-cut",
        quoted(towardsLeft ? r.rightMargin : r.leftMargin) + " leaves the text " + std::to_string(room) +
            " pixels up to the box's " + (towardsLeft ? "left" : "right") + " edge, but the word " +
            quoted(TextEncoding::encodeUtf8(widest.text)) + " of message " + std::to_string(widestMessage) +
            " takes at least " + std::to_string(static_cast<long>(widest.pixels)) + " pixels at " +
            widestSize + " pt; browsers break lines only between words, so its lines are cut at the edge.");
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

void DesignCheck::checkMessages(const ProjectRecord& record, Found& found)
{
    if (record.messageCount() == 0)
        add(found, {4, "Messages"}, "messages-none", "there are none; the news box stays empty.");
    const ScriptText script(record);
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message m = record.message(i);
        const auto at = [&](const char* field) { return Place{4, field, i + 1}; };
        checkBackslashes(script, at("Title"), m.title, true, found);
        checkMarkup(script, at("Title"), m.title, found);
        checkBackslashes(script, at("Text"), m.text, true, found);
        checkMarkup(script, at("Text"), m.text, found);
        checkBackslashes(script, at("Link"), m.link, true, found);
        checkBackslashes(script, at("Target"), m.target, true, found);
        checkLink(script, m, at("Link"), found);
    }
}

// Titles and texts may hold markup by design; what must not happen is that it reaches outside its own
// message, since the box puts all messages into one element.
void DesignCheck::checkMarkup(const ScriptText& script, const Place& place, const std::string& value,
                              Found& found)
{
    if (value.find_first_of("<\\") == std::string::npos)
        return;
    const std::u32string text = script.characters(value);
    const std::u32string decoded = decodedText(text, ScriptText::literalBackslashes(text, true));
    const MarkupCheck::Verdict verdict = MarkupCheck::of(TextEncoding::encodeUtf8(decoded));
    const std::string culprit = verdict.culprit.empty() ? "markup" : quoted(verdict.culprit);
    switch (verdict.fault) {
    case MarkupCheck::Fault::None:
        break;
    case MarkupCheck::Fault::Swallows:
        add(found, place, "markup-swallows",
            culprit + " is left open and takes in everything after it, so the messages after it are lost "
                      "or the box stops with a script error; close it.");
        break;
    case MarkupCheck::Fault::ClosesBox:
        add(found, place, "markup-closes-box",
            culprit + " closes an element that is not its own but the box's, so messages stand outside the "
                      "moving column; remove it or open its element in the same field.");
        break;
    case MarkupCheck::Fault::Spills:
        add(found, place, "markup-spills",
            culprit + " is left open, so the messages after it are shown in its style too; close it.");
        break;
    }
}

// What the runtime does with a click, on the link and target as the browser's strings hold them: a link
// that starts with "javascript:" runs as script, one of one to three characters does nothing, and with a
// target that holds "_parent" or "_top" any other is put between single quotes into a script that opens
// it, so that what ends those quotes early runs as script or breaks it.
void DesignCheck::checkLink(const ScriptText& script, const Message& m, const Place& place, Found& found)
{
    const std::u32string typed = script.characters(m.link);
    const ScriptEscape::Reading link = ScriptEscape::read(typed, ScriptText::literalBackslashes(typed, true));
    const std::u32string typedTarget = script.characters(m.target);
    const std::string target =
        TextEncoding::encodeUtf8(decodedText(typedTarget, ScriptText::literalBackslashes(typedTarget, true)));
    const std::size_t units = utf16Length(link.text);
    if (units > 0 && units <= 3) {
        add(found, place, "link-short",
            quoted(m.link) + readAs(typed, link.text) +
                " has one to three characters; a click on the message does nothing.");
        return;
    }
    const bool evaluated =
        units > 3 && !link.text.starts_with(U"javascript:") &&
        (target.find("_parent") != std::string::npos || target.find("_top") != std::string::npos);
    if (!evaluated)
        return;
    checkLinkScript(typed, link, m.target, place, found);
}

// The link between the single quotes of the script that opens it: what ends them early, and a backslash,
// which the script reads as an escape of its own.
void DesignCheck::checkLinkScript(std::u32string_view typed, const ScriptEscape::Reading& link,
                                  const std::string& target, const Place& place, Found& found)
{
    const std::string opens = " and the target " + quoted(target) + " opens the link through a script";
    for (const ScriptEscape::Ending& ending : ScriptEscape::endings(link.text, '\'')) {
        const std::string holds = "holds " + spelling(typed, link, ending.at) + ",";
        if (ending.how == ScriptEscape::End::Quote)
            add(found, place, "link-quote",
                holds + opens +
                    " in which the quote ends the address: a click on the message runs the rest of the link "
                    "as script, or fails with a script error, instead of opening the address.");
        else
            add(found, place, "link-line-break",
                holds + opens + " that " +
                    (ending.how == ScriptEscape::End::LineBreak ? "every browser"
                                                                : "a browser older than 2019") +
                    " reads as broken there: a click on the message fails with a script error instead of "
                    "opening the address.");
    }
    if (link.text.find(U'\\') != std::u32string::npos)
        add(found, place, "link-backslash",
            "holds a backslash," + opens +
                " that reads it as an escape; a click fails or opens another address.");
}

void DesignCheck::checkFontFaces(const ProjectRecord& record, Found& found)
{
    const ScriptText script(record);
    checkBackslashes(script, {3, "Text font"}, record.textFontFace, false, found);
    checkBackslashes(script, {3, "Title font"}, record.titleFontFace, false, found);
}

// Backslashes pass into the scripts so that authors may write JavaScript escapes; those that would break
// the script are written doubled, those that only vanish are worth a word, and so are escapes in what
// looks like a folder, where the author meant the backslash. Each is reported with what the box shows.
void DesignCheck::checkBackslashes(const ScriptText& script, const Place& place, const std::string& value,
                                   bool quotesEscaped, Found& found)
{
    if (value.find('\\') == std::string::npos)
        return;
    const std::u32string text = script.characters(value);
    const std::vector<bool> doubled = ScriptText::literalBackslashes(text, quotesEscaped);
    // Titles and texts are shown; links, targets and fonts are used as the browser's string holds them.
    const bool shown = place.field == "Title" || place.field == "Text";
    const std::string shows =
        shown ? "; the box shows " + quoted(shownText(text, doubled)) + "."
              : "; the browser reads " + quoted(TextEncoding::encodeUtf8(decodedText(text, doubled))) + ".";
    const bool path = looksLikePath(text);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\')
            continue;
        const std::string typed = asciiText(text.substr(at, 2));
        if (doubled[at]) {
            add(found, place, "backslash-doubled",
                "the backslash in " + quoted(typed) +
                    " cannot go into the script as it is, so it is written doubled and shows as typed" +
                    shows);
            continue;
        }
        if (dropsBackslash(text, at))
            add(found, place, "backslash-dropped",
                quoted(typed) + " is read as a JavaScript escape and shows as " + quoted(typed.substr(1)) +
                    "; type \\\\ for a backslash" + shows);
        else if (path && changesCharacter(text, at))
            add(found, place, "escape-in-path",
                "looks like a folder, but " + quoted(typed) + " is read as a JavaScript escape for " +
                    escapeName(text[at + 1]) + "; type \\\\ for a backslash" + shows);
        ++at;
    }
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
