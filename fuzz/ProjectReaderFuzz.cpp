// The project reader's one-pass index against the plain first-occurrence lookup, on any text, in memory
// and as a file; a file is refused only when it cannot be a project.
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainLookup.h"
#include "project/IntegerText.h"
#include "project/ProjectKeys.h"

#include <algorithm>
#include <array>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void requireSame(const std::string& key, const std::string& actual, const std::string& expected)
{
    require(actual == expected, "the reader finds the first occurrence of " + key,
            "read: [" + actual + "]\nplain: [" + expected + "]");
}

void compareSettings(std::string_view text, const ProjectRecord& record)
{
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        const std::string key(line.key);
        if (const auto* field = std::get_if<std::string ProjectRecord::*>(&line.field)) {
            requireSame(key, record.*(*field), plainValue(text, key));
        } else if (const auto* integer = std::get_if<int ProjectRecord::*>(&line.field)) {
            requireSame(key, std::to_string(record.*(*integer)),
                        std::to_string(IntegerText::parse(plainValue(text, key))));
        } else {
            const RgbColor& color = record.*std::get<RgbColor ProjectRecord::*>(line.field);
            const std::array<int, 3> components{color.red, color.green, color.blue};
            const std::array<const char*, 3> suffixes{"_red", "_green", "_blue"};
            for (std::size_t i = 0; i < 3; ++i)
                requireSame(key + suffixes[i], std::to_string(components[i]),
                            std::to_string(IntegerText::parse(plainValue(text, key + suffixes[i]))));
        }
    }
    for (const OptionLine& line : ProjectKeys::optionLines()) {
        const std::string key(line.key);
        const int expected = IntegerText::parse(plainValue(text, key)) == 1 ? 1 : 0;
        require(record.*line.field == expected, "the option " + key + " is on only for a value of 1",
                std::to_string(record.*line.field) + " for [" + plainValue(text, key) + "]");
    }
    for (const OptionValueLine& line : ProjectKeys::optionValueLines()) {
        const std::string key(line.key);
        require(record.*line.field == line.held(IntegerText::parse(plainValue(text, key))),
                "the number " + key + " is read held to its range",
                std::to_string(record.*line.field) + " for [" + plainValue(text, key) + "]");
    }
}

void compareMessages(std::string_view text, const ProjectRecord& record)
{
    const int count = std::max(plainMessageCount(text), 0);
    require(record.messageCount() == count, "the message count is read as written",
            std::to_string(record.messageCount()) + " against " + std::to_string(count));
    for (int n = 1; n <= count; ++n) {
        const std::string number = std::to_string(n);
        const auto i = static_cast<std::size_t>(n - 1);
        requireSame("tmessage" + number, record.messageTexts()[i], plainValue(text, "tmessage" + number));
        requireSame("linktext" + number, record.messageLinks()[i], plainValue(text, "linktext" + number));
        requireSame("targettext" + number, record.messageTargets()[i],
                    plainValue(text, "targettext" + number));
        requireSame("titletext" + number, record.messageTitles()[i], plainValue(text, "titletext" + number));
    }
}

bool holds(std::string_view text, std::string_view part)
{
    return text.find(part) != std::string_view::npos;
}

// Whether a setting's start text occurs with its end text after it.
bool anySettingRecord(std::string_view text)
{
    return std::any_of(ProjectKeys::valueKeys().begin(), ProjectKeys::valueKeys().end(),
                       [&](const auto& key) {
                           const auto from = text.find("qvo-" + key + "=");
                           const auto to = text.find("endof-qvo-" + key);
                           return from != std::string_view::npos && to != std::string_view::npos &&
                                  to >= from + key.size() + 5;
                       });
}

// The text as a regular file, read piece by piece and value by value as Open Project reads one.
Expected<void> readAsFile(std::string_view text, ProjectRecord& record)
{
    const int descriptor = memfd_create("project", MFD_CLOEXEC);
    require(descriptor >= 0, "a memory file can be made");
    require(pwrite(descriptor, text.data(), text.size(), 0) == static_cast<ssize_t>(text.size()),
            "the text can be written to a memory file");
    InputFile file = InputFile::onDescriptor(descriptor, "fuzzed.tkp");
    auto read = ProjectReader({}).readProjectFrom(record, file);
    close(descriptor);
    return read;
}

void compareFileRead(std::string_view text)
{
    ProjectRecord record;
    const auto read = readAsFile(text, record);
    const auto nul = text.find('\0');
    if (read.ok()) {
        require(nul == std::string_view::npos, "a file that holds a NUL byte is refused");
        require(holds(text, "endof-qvo-"), "a file without any end text is refused");
        compareSettings(text, record);
        compareMessages(text, record);
        return;
    }
    const std::string& message = read.error().message();
    require(message.rfind("\"fuzzed.tkp\": is not a Marquetto project: ", 0) == 0,
            "a file within the limits is refused only as not a project", message);
    if (holds(message, "NUL byte"))
        require(holds(message, "at byte offset " + std::to_string(nul) + "."), "the first NUL byte is named",
                message);
    else if (holds(message, "no project record"))
        require(!anySettingRecord(text), "a file with a setting record is not refused for having none",
                message);
    else if (holds(message, "it is empty"))
        require(text.empty(), "only an empty file is called empty", message);
    else
        require(nul != std::string_view::npos || holds(text.substr(0, 2), "\xFF\xFE") ||
                    holds(text.substr(0, 2), "\xFE\xFF"),
                "a file is called UTF-16 or UTF-32 only for a byte-order mark or NUL bytes", message);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = projectTextWithinLimit(data, size);
    if (!text)
        return -1;
    const ProjectRecord record = readText(*text);
    compareSettings(*text, record);
    compareMessages(*text, record);
    compareFileRead(*text);
    return 0;
}
