#include "project/ProjectReader.h"

#include "project/IntegerText.h"
#include "project/ProjectKeys.h"
#include "project/ProjectTextIndex.h"
#include "project/TextFile.h"

#include <algorithm>

namespace {

void assignSetting(ProjectRecord& record, const ProjectTextIndex& index, const SettingLine& line)
{
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field)) {
        record.*(*text) = index.findValue(line.key);
    } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
        record.*(*integer) = IntegerText::parse(index.findValue(line.key));
    } else {
        RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
        const auto keys = ProjectKeys::colorKeys(line.key);
        color = {IntegerText::parse(index.findValue(keys[0])), IntegerText::parse(index.findValue(keys[1])),
                 IntegerText::parse(index.findValue(keys[2]))};
    }
}

int messageCountOf(const ProjectTextIndex& index)
{
    return IntegerText::parse(index.findValue(ProjectKeys::messageCountKey));
}

// The text of a file ends at its first NUL byte, as the format has always been read.
std::string upToFirstNul(std::string bytes)
{
    bytes.resize(std::min(bytes.find('\0'), bytes.size()));
    return bytes;
}

} // namespace

ProjectReader::ProjectReader(std::string_view builtInDefaultProject, std::function<void()> refreshPages)
    : builtInDefaultProject_(builtInDefaultProject), refreshPages_(std::move(refreshPages))
{}

std::optional<FileError> ProjectReader::readProject(ProjectRecord& record) const
{
    record.projectText.clear();
    const bool fromFile = record.useDefaultProject != 1;
    std::string text;
    if (fromFile) {
        auto bytes = TextFile::read(record.projectPath, maxFileBytes);
        if (!bytes)
            return bytes.error();
        text = upToFirstNul(std::move(bytes.value()));
    } else {
        text = std::string(builtInDefaultProject_);
        record.useDefaultProject = 2;
    }
    const ProjectTextIndex index(text);
    const int count = messageCountOf(index);
    if (count > ProjectTextIndex::maxMessageNumber)
        return FileError(record.projectPath,
                         "holds a message count of " + std::to_string(count) + "; at most " +
                             std::to_string(ProjectTextIndex::maxMessageNumber) + " messages can be read");
    assign(record, index, count);
    record.projectText = std::move(text);
    if (fromFile)
        record.projectUntitled = 2;
    if (refreshPages_)
        refreshPages_();
    return std::nullopt;
}

// A negative count reads as no messages.
void ProjectReader::assign(ProjectRecord& record, const ProjectTextIndex& index, int count)
{
    for (const SettingLine& line : ProjectKeys::settingLines())
        assignSetting(record, index, line);
    record.clearMessages();
    for (int number = 1; number <= count; ++number)
        record.appendMessage({index.findMessageValue(MessageField::Title, number),
                              index.findMessageValue(MessageField::Text, number),
                              index.findMessageValue(MessageField::Link, number),
                              index.findMessageValue(MessageField::Target, number)});
}
