#include "generator/AccessibleBox.h"

#include "generator/BuiltInTexts.h"
#include "generator/ScriptFiller.h"
#include "generator/ScriptText.h"

namespace {

// Underscores and hyphens join the words of a file name prefix; a reader hears them as spaces.
bool separatesWords(char32_t character)
{
    return character == U'_' || character == U'-' || character == U' ' || character < 0x20;
}

std::string htmlCharacter(char32_t character)
{
    switch (character) {
    case U'&':
        return "&amp;";
    case U'<':
        return "&lt;";
    case U'>':
        return "&gt;";
    case U'"':
        return "&quot;";
    default:
        break;
    }
    if (character < 0x80)
        return std::string(1, static_cast<char>(character));
    return "&#" + std::to_string(static_cast<unsigned long>(character)) + ";";
}

} // namespace

std::string AccessibleBox::title(const ProjectRecord& record)
{
    std::string words;
    bool spaceDue = false;
    for (const char32_t character : ScriptText(record).characters(record.scrollerName)) {
        if (separatesWords(character)) {
            spaceDue = !words.empty();
            continue;
        }
        if (spaceDue)
            words += ' ';
        spaceDue = false;
        words += htmlCharacter(character);
    }
    return words.empty() ? "News" : words;
}

std::string AccessibleBox::script(const ProjectRecord& record)
{
    const bool rightToLeft = record.rightToLeft == ProjectRecord::ticked;
    return ScriptFiller::filled(BuiltInTexts::accessibleBoxStd(), record,
                                {{"accsidevr", rightToLeft ? "left" : "right"}});
}
