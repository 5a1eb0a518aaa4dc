#include "project/ProjectEncoding.h"

#include "project/ProjectKeys.h"
#include "project/TextEncoding.h"

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

} // namespace

ProjectEncoding::Kind ProjectEncoding::of(const ProjectRecord& record)
{
    bool utf8 = true;
    forEachSettingText(record, [&](const std::string& text) { utf8 = utf8 && TextEncoding::isUtf8(text); });
    for (int i = 0; utf8 && i < record.messageCount(); ++i) {
        const auto at = static_cast<std::size_t>(i);
        utf8 = TextEncoding::isUtf8(record.messageTitles()[at]) &&
               TextEncoding::isUtf8(record.messageTexts()[at]) &&
               TextEncoding::isUtf8(record.messageLinks()[at]) &&
               TextEncoding::isUtf8(record.messageTargets()[at]);
    }
    return utf8 ? Utf8 : Windows1252;
}

void ProjectEncoding::convertToUtf8(ProjectRecord& record)
{
    if (of(record) == Utf8)
        return;
    forEachSettingText(record, [](std::string& text) { text = windows1252ToUtf8(text); });
    for (int i = 0; i < record.messageCount(); ++i) {
        const Message old = record.message(i);
        record.replaceMessage(i, {windows1252ToUtf8(old.title), windows1252ToUtf8(old.text),
                                  windows1252ToUtf8(old.link), windows1252ToUtf8(old.target)});
    }
}
