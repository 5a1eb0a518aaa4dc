// The project reader's one-pass index against the plain first-occurrence lookup, on any text.
#include "fuzz/FuzzCheck.h"
#include "fuzz/PlainLookup.h"
#include "project/IntegerText.h"
#include "project/ProjectKeys.h"

#include <algorithm>
#include <array>
#include <string>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto text = projectTextWithinLimit(data, size);
    if (!text)
        return -1;
    const ProjectRecord record = readText(*text);
    compareSettings(*text, record);
    compareMessages(*text, record);
    return 0;
}
