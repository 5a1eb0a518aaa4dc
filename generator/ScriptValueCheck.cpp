#include "generator/ScriptValueCheck.h"

#include "generator/MarkupCheck.h"
#include "generator/ScriptText.h"
#include "project/TextEncoding.h"

#include <algorithm>

namespace {

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
    return typed == read ? "" : " is read as " + DesignCheck::quoted(TextEncoding::encodeUtf8(read)) + " and";
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
    return DesignCheck::quoted(TextEncoding::encodeUtf8(typed.substr(from, to - from))) +
           ", which the browser reads as " + characterName(read.text[at]);
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

void ScriptValueCheck::checkMessages(const ProjectRecord& record, Found& found)
{
    if (record.messageCount() == 0)
        DesignCheck::add(found, {4, "Messages"}, "messages-none",
                         "there are none; the news box stays empty.");
    const ScriptText script(record);
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message m = record.message(i);
        const auto at = [&](const char* field) { return DesignCheck::Place{4, field, i + 1}; };
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
void ScriptValueCheck::checkMarkup(const ScriptText& script, const Place& place, const std::string& value,
                                   Found& found)
{
    if (value.find_first_of("<\\") == std::string::npos)
        return;
    const std::u32string text = script.characters(value);
    const std::u32string decoded = decodedText(text, ScriptText::literalBackslashes(text, true));
    const MarkupCheck::Verdict verdict = MarkupCheck::of(TextEncoding::encodeUtf8(decoded));
    const std::string culprit = verdict.culprit.empty() ? "markup" : DesignCheck::quoted(verdict.culprit);
    switch (verdict.fault) {
    case MarkupCheck::Fault::None:
        break;
    case MarkupCheck::Fault::Swallows:
        DesignCheck::add(
            found, place, "markup-swallows",
            culprit + " is left open and takes in everything after it, so the messages after it are lost "
                      "or the box stops with a script error; close it.");
        break;
    case MarkupCheck::Fault::ClosesBox:
        DesignCheck::add(
            found, place, "markup-closes-box",
            culprit + " closes an element that is not its own but the box's, so messages stand outside the "
                      "moving column; remove it or open its element in the same field.");
        break;
    case MarkupCheck::Fault::Spills:
        DesignCheck::add(found, place, "markup-spills",
                         culprit +
                             " is left open, so the messages after it are shown in its style too; close it.");
        break;
    }
}

// What the runtime does with a click, on the link and target as the browser's strings hold them: a link
// that starts with "javascript:" runs as script, one of one to three characters does nothing, and with a
// target that holds "_parent" or "_top" any other is put between single quotes into a script that opens
// it, so that what ends those quotes early runs as script or breaks it.
void ScriptValueCheck::checkLink(const ScriptText& script, const Message& m, const Place& place, Found& found)
{
    const std::u32string typed = script.characters(m.link);
    const ScriptEscape::Reading link = ScriptEscape::read(typed, ScriptText::literalBackslashes(typed, true));
    const std::u32string typedTarget = script.characters(m.target);
    const std::string target =
        TextEncoding::encodeUtf8(decodedText(typedTarget, ScriptText::literalBackslashes(typedTarget, true)));
    const std::size_t units = utf16Length(link.text);
    if (units > 0 && units <= 3) {
        DesignCheck::add(found, place, "link-short",
                         DesignCheck::quoted(m.link) + readAs(typed, link.text) +
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
void ScriptValueCheck::checkLinkScript(std::u32string_view typed, const ScriptEscape::Reading& link,
                                       const std::string& target, const Place& place, Found& found)
{
    const std::string opens =
        " and the target " + DesignCheck::quoted(target) + " opens the link through a script";
    for (const ScriptEscape::Ending& ending : ScriptEscape::endings(link.text, '\'')) {
        const std::string holds = "holds " + spelling(typed, link, ending.at) + ",";
        if (ending.how == ScriptEscape::End::Quote)
            DesignCheck::add(
                found, place, "link-quote",
                holds + opens +
                    " in which the quote ends the address: a click on the message runs the rest of the link "
                    "as script, or fails with a script error, instead of opening the address.");
        else
            DesignCheck::add(
                found, place, "link-line-break",
                holds + opens + " that " +
                    (ending.how == ScriptEscape::End::LineBreak ? "every browser"
                                                                : "a browser older than 2019") +
                    " reads as broken there: a click on the message fails with a script error instead of "
                    "opening the address.");
    }
    if (link.text.find(U'\\') != std::u32string::npos)
        DesignCheck::add(found, place, "link-backslash",
                         "holds a backslash," + opens +
                             " that reads it as an escape; a click fails or opens another address.");
}

void ScriptValueCheck::checkFontFaces(const ProjectRecord& record, Found& found)
{
    const ScriptText script(record);
    checkBackslashes(script, {3, "Text font"}, record.textFontFace, false, found);
    checkBackslashes(script, {3, "Title font"}, record.titleFontFace, false, found);
}

// Backslashes pass into the scripts so that authors may write JavaScript escapes; those that would break
// the script are written doubled, those that only vanish are worth a word, and so are escapes in what
// looks like a folder, where the author meant the backslash. Each is reported with what the box shows.
void ScriptValueCheck::checkBackslashes(const ScriptText& script, const Place& place,
                                        const std::string& value, bool quotesEscaped, Found& found)
{
    if (value.find('\\') == std::string::npos)
        return;
    const std::u32string text = script.characters(value);
    const std::vector<bool> doubled = ScriptText::literalBackslashes(text, quotesEscaped);
    // Titles and texts are shown; links, targets and fonts are used as the browser's string holds them.
    const bool shown = place.field == "Title" || place.field == "Text";
    const std::string shows =
        shown ? "; the box shows " + DesignCheck::quoted(shownText(text, doubled)) + "."
              : "; the browser reads " +
                    DesignCheck::quoted(TextEncoding::encodeUtf8(decodedText(text, doubled))) + ".";
    const bool path = looksLikePath(text);
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] != '\\')
            continue;
        const std::string typed = asciiText(text.substr(at, 2));
        if (doubled[at]) {
            DesignCheck::add(
                found, place, "backslash-doubled",
                "the backslash in " + DesignCheck::quoted(typed) +
                    " cannot go into the script as it is, so it is written doubled and shows as typed" +
                    shows);
            continue;
        }
        if (dropsBackslash(text, at))
            DesignCheck::add(found, place, "backslash-dropped",
                             DesignCheck::quoted(typed) + " is read as a JavaScript escape and shows as " +
                                 DesignCheck::quoted(typed.substr(1)) + "; type \\\\ for a backslash" +
                                 shows);
        else if (path && changesCharacter(text, at))
            DesignCheck::add(found, place, "escape-in-path",
                             "looks like a folder, but " + DesignCheck::quoted(typed) +
                                 " is read as a JavaScript escape for " + escapeName(text[at + 1]) +
                                 "; type \\\\ for a backslash" + shows);
        ++at;
    }
}
