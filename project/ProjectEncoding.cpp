#include "project/ProjectEncoding.h"

#include "project/ProjectKeys.h"
#include "project/TextEncoding.h"

#include <algorithm>
#include <utility>

namespace {

std::string windows1252ToUtf8(const std::string& bytes)
{
    return TextEncoding::encodeUtf8(TextEncoding::decodeWindows1252(bytes));
}

template <typename Record, typename Visit> void forEachSettingText(Record& record, Visit&& visit)
{
    for (const SettingLine& line : ProjectKeys::settingLines())
        if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field))
            visit(record.*(*text));
    visit(record.textFontFace);
    visit(record.titleFontFace);
}

bool isAscii(const std::string& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

template <typename Record, typename Visit> void forEachText(Record& record, Visit&& visit)
{
    forEachSettingText(record, visit);
    for (int i = 0; i < record.messageCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        for (const auto* list : {&record.messageTitles(), &record.messageTexts(), &record.messageLinks(),
                                 &record.messageTargets()})
            visit((*list)[at]);
    }
}

void windows1252AsUtf8(ProjectRecord& record)
{
    forEachSettingText(record, [](std::string& text) { text = windows1252ToUtf8(text); });
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message old = record.message(i);
        record.replaceMessage(i, {windows1252ToUtf8(old.title), windows1252ToUtf8(old.text),
                                  windows1252ToUtf8(old.link), windows1252ToUtf8(old.target)});
    }
}

} // namespace

ProjectEncoding::Kind ProjectEncoding::of(const ProjectRecord& record)
{
    bool utf8 = true;
    forEachText(record, [&](const std::string& text) { utf8 = utf8 && TextEncoding::isUtf8(text); });
    return utf8 ? Utf8 : Windows1252;
}

ProjectEncoding::Kind ProjectEncoding::of(const Message& message)
{
    for (const std::string* text : {&message.title, &message.text, &message.link, &message.target})
        if (!TextEncoding::isUtf8(*text))
            return Windows1252;
    return Utf8;
}

void ProjectEncoding::convertToUtf8(ProjectRecord& record, Kind settled)
{
    if (settled == Windows1252)
        windows1252AsUtf8(record);
}

void ProjectEncoding::keepSettled(ProjectRecord& record, Kind settled)
{
    if (settled != Windows1252 || of(record) == Windows1252)
        return;
    bool ascii = true;
    forEachText(std::as_const(record), [&](const std::string& text) { ascii = ascii && isAscii(text); });
    if (!ascii)
        windows1252AsUtf8(record);
}
