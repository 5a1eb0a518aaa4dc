#include "project/ProjectWriter.h"

#include "project/ProjectKeys.h"
#include "project/TextFile.h"

namespace {

constexpr std::string_view lineEnd = "\r\n";

void appendRecord(std::string& out, std::string_view key, std::string_view value, std::string_view marker)
{
    out += ProjectKeys::startPrefix;
    out += key;
    out += '=';
    out += value;
    out += ProjectKeys::endPrefix;
    out += key;
    out += marker;
}

void appendSettingLine(std::string& out, const ProjectRecord& record, const SettingLine& line)
{
    out += line.marker;
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field)) {
        appendRecord(out, line.key, record.*(*text), line.marker);
    } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
        appendRecord(out, line.key, std::to_string(record.*(*integer)), line.marker);
    } else {
        const RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
        const auto keys = ProjectKeys::colorKeys(line.key);
        appendRecord(out, keys[0], std::to_string(color.red), line.marker);
        appendRecord(out, keys[1], std::to_string(color.green), line.marker);
        appendRecord(out, keys[2], std::to_string(color.blue), line.marker);
    }
    out += lineEnd;
}

const std::string& messageValue(const ProjectRecord& record, MessageField field, std::size_t index)
{
    switch (field) {
    case MessageField::Text:
        return record.messageTexts()[index];
    case MessageField::Link:
        return record.messageLinks()[index];
    case MessageField::Target:
        return record.messageTargets()[index];
    case MessageField::Title:
        break;
    }
    return record.messageTitles()[index];
}

std::size_t estimatedSize(const ProjectRecord& record)
{
    std::size_t size = 4096;
    for (std::size_t i = 0; i < static_cast<std::size_t>(record.messageCount()); ++i)
        size += 160 + record.messageTitles()[i].size() + record.messageTexts()[i].size() +
                record.messageLinks()[i].size() + record.messageTargets()[i].size();
    return size;
}

} // namespace

std::string ProjectWriter::projectText(const ProjectRecord& record)
{
    std::string out;
    out.reserve(estimatedSize(record));
    for (const SettingLine& line : ProjectKeys::settingLines())
        appendSettingLine(out, record, line);
    out += ProjectKeys::messageCountMarker;
    appendRecord(out, ProjectKeys::messageCountKey, std::to_string(record.messageCount()),
                 ProjectKeys::messageCountMarker);
    out += lineEnd;

    for (std::size_t i = 0; i < static_cast<std::size_t>(record.messageCount()); ++i) {
        const std::string number = std::to_string(i + 1);
        for (MessageField field : ProjectKeys::messageFieldOrder) {
            const std::string key = std::string(ProjectKeys::messageKey(field)) + number;
            out += ProjectKeys::messageMarker;
            appendRecord(out, key, messageValue(record, field, i), ProjectKeys::messageMarker);
            out += lineEnd;
        }
    }
    return out;
}

std::optional<FileError> ProjectWriter::writeProject(const ProjectRecord& record)
{
    return TextFile::replace(record.projectPath, projectText(record));
}
