#include "project/ProjectReader.h"

#include "project/IntegerText.h"
#include "project/ProjectFileCheck.h"
#include "project/ProjectKeys.h"
#include "project/ProjectTextScanner.h"
#include "project/SpanReader.h"

#include <algorithm>

namespace {

constexpr std::size_t scanChunk = 1024 * 1024;

// readValue(span, into) reads one value into a text; it refuses once the values read come to more than a
// project can hold.
template <typename ReadValue>
Expected<void> readInteger(const ReadValue& readValue, ValueSpan span, int& into)
{
    std::string text;
    if (auto done = readValue(span, text); !done.ok())
        return done;
    into = IntegerText::parse(text);
    return {};
}

template <typename ReadValue>
Expected<void> readSetting(ProjectRecord& record, const ProjectTextScanner& scanner,
                           const ReadValue& readValue, const SettingLine& line)
{
    if (const auto* text = std::get_if<std::string ProjectRecord::*>(&line.field))
        return readValue(scanner.settingSpan(line.key), record.*(*text));
    if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field))
        return readInteger(readValue, scanner.settingSpan(line.key), record.*(*integer));
    RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
    const auto keys = ProjectKeys::colorKeys(line.key);
    for (auto [key, component] :
         {std::pair{&keys[0], &color.red}, {&keys[1], &color.green}, {&keys[2], &color.blue}}) {
        if (auto done = readInteger(readValue, scanner.settingSpan(*key), *component); !done.ok())
            return done;
    }
    return {};
}

// An option's record is an integer of which the reader keeps what `held` makes of it.
template <typename ReadValue>
Expected<void> readHeld(const ProjectTextScanner& scanner, const ReadValue& readValue, std::string_view key,
                        int& into, int (*held)(int value))
{
    int value = 0;
    if (auto done = readInteger(readValue, scanner.settingSpan(key), value); !done.ok())
        return done;
    into = held(value);
    return {};
}

// An option is on only where its value reads as 1, as a "Use this :" box is ticked only by 1.
int tickedOnlyByOne(int value)
{
    return value == ProjectRecord::ticked ? ProjectRecord::ticked : ProjectRecord::unticked;
}

} // namespace

ProjectReader::ProjectReader(std::string_view builtInDefaultProject, std::function<void()> refreshPages)
    : builtInDefaultProject_(builtInDefaultProject), refreshPages_(std::move(refreshPages))
{}

Expected<void> ProjectReader::readProject(ProjectRecord& record) const
{
    if (record.useDefaultProject != ProjectRecord::readDefaultProject) {
        auto file = InputFile::open(record.projectPath);
        if (!file.ok())
            return file.error();
        return readProjectFrom(record, file.value());
    }
    ProjectRecord loaded;
    if (auto done = loadText(loaded, builtInDefaultProject_, "the built-in default project"); !done.ok())
        return done;
    record.useDefaultProject = ProjectRecord::readProjectPath;
    adopt(record, loaded);
    return {};
}

// A regular file is scanned and then read value by value, so that its text is never held in memory
// beside the design; a pipe can be read only once and is held whole.
Expected<void> ProjectReader::readProjectFrom(ProjectRecord& record, InputFile& file) const
{
    ProjectRecord loaded;
    if (auto done = file.isRegular() ? loadFile(loaded, file) : loadStream(loaded, file); !done.ok())
        return done;
    record.projectUntitled = ProjectRecord::titled;
    adopt(record, loaded);
    return {};
}

Expected<void> ProjectReader::loadFile(ProjectRecord& loaded, InputFile& file)
{
    if (file.size() > maxFileBytes)
        return file.tooLarge(maxFileBytes);
    ProjectTextScanner scanner;
    std::uintmax_t offset = 0;
    auto length = scanner.scanStream(
        [&](char* into, std::size_t wanted) -> Expected<std::size_t> {
            auto got = file.read(into, wanted);
            if (!got.ok())
                return got;
            if (auto checked = ProjectFileCheck::checkPiece({into, got.value()}, offset, file.name());
                !checked.ok())
                return checked.error();
            offset += got.value();
            return got;
        },
        scanChunk);
    if (!length.ok())
        return length.error();
    if (length.value() > maxFileBytes)
        return file.tooLarge(maxFileBytes);
    if (auto checked = ProjectFileCheck::checkScanned(length.value(), scanner, file.name()); !checked.ok())
        return checked;
    SpanReader values(file);
    return load(loaded, scanner, values, file.name());
}

Expected<void> ProjectReader::loadStream(ProjectRecord& loaded, InputFile& file)
{
    auto bytes = file.readAll(maxFileBytes);
    if (!bytes.ok())
        return bytes.error();
    const std::string_view text = bytes.value();
    if (auto checked = ProjectFileCheck::checkPiece(text, 0, file.name()); !checked.ok())
        return checked;
    ProjectTextScanner scanner;
    scanner.scanText(text);
    if (auto checked = ProjectFileCheck::checkScanned(text.size(), scanner, file.name()); !checked.ok())
        return checked;
    SpanReader values(text);
    return load(loaded, scanner, values, file.name());
}

Expected<void> ProjectReader::loadText(ProjectRecord& loaded, std::string_view text,
                                       const std::string& name) const
{
    ProjectTextScanner scanner;
    scanner.scanText(text);
    SpanReader values(text);
    return load(loaded, scanner, values, name);
}

// Every setting is assigned: a record missing from the text gives "" or 0. A negative count reads as no
// messages.
Expected<void> ProjectReader::load(ProjectRecord& loaded, const ProjectTextScanner& scanner,
                                   SpanReader& values, const std::string& name)
{
    // Overlapping values could make a small file unfold into far more text than any project holds.
    std::uintmax_t total = 0;
    const auto readValue = [&](ValueSpan span, std::string& into) -> Expected<void> {
        total += span.size();
        if (total > maxFileBytes)
            return Error::file(name, "holds values of more than " + Error::sizeInWords(maxFileBytes) +
                                         " in all, more than a project can hold");
        return values.read(span, into);
    };
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        if (auto done = readSetting(loaded, scanner, readValue, line); !done.ok())
            return done;
    }
    for (const OptionLine& line : ProjectKeys::optionLines()) {
        if (auto done = readHeld(scanner, readValue, line.key, loaded.*line.field, tickedOnlyByOne);
            !done.ok())
            return done;
    }
    for (const OptionValueLine& line : ProjectKeys::optionValueLines()) {
        if (auto done = readHeld(scanner, readValue, line.key, loaded.*line.field, line.held); !done.ok())
            return done;
    }
    int count = 0;
    if (auto done = readInteger(readValue, scanner.settingSpan(ProjectKeys::messageCountKey), count);
        !done.ok())
        return done;
    if (count > ProjectTextScanner::maxMessageNumber)
        return Error::file(name, "holds a message count of " + std::to_string(count) + "; at most " +
                                     std::to_string(ProjectTextScanner::maxMessageNumber) +
                                     " messages can be read");
    loaded.reserveMessages(std::max(count, 0));
    for (int number = 1; number <= count; ++number) {
        Message message;
        for (auto [field, into] : {std::pair{MessageField::Text, &message.text},
                                   {MessageField::Link, &message.link},
                                   {MessageField::Target, &message.target},
                                   {MessageField::Title, &message.title}}) {
            if (auto done = readValue(scanner.messageSpan(field, number), *into); !done.ok())
                return done;
        }
        loaded.appendMessage(std::move(message));
    }
    return {};
}

void ProjectReader::adopt(ProjectRecord& record, ProjectRecord& loaded) const
{
    for (const SettingLine& line : ProjectKeys::settingLines())
        std::visit([&](auto field) { record.*field = std::move(loaded.*field); }, line.field);
    for (const OptionLine& line : ProjectKeys::optionLines())
        record.*line.field = loaded.*line.field;
    for (const OptionValueLine& line : ProjectKeys::optionValueLines())
        record.*line.field = loaded.*line.field;
    record.swapMessages(loaded);
    if (refreshPages_)
        refreshPages_();
}
