#include "project/ProjectKeys.h"
#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The lines a design with an option on holds, typed from the format's rules.
const std::string accessibleLine = "#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#\r\n";
const std::string rightToLeftLine = "#%#qvo-x-righttoleft=1endof-qvo-x-righttoleft#%#\r\n";
const std::string fitWidthLine = "#%#qvo-x-fitpagewidth=1endof-qvo-x-fitpagewidth#%#\r\n";
const std::string lightLine = "#%#qvo-x-lightmotion=1endof-qvo-x-lightmotion#%#\r\n";
std::string liveLines(const std::string& seconds)
{
    return "#%#qvo-x-livemessages=1endof-qvo-x-livemessages#%#\r\n#%#qvo-x-liveevery=" + seconds +
           "endof-qvo-x-liveevery#%#\r\n";
}
const std::string countLineEnd = "endof-qvo-text-message_count#%#\r\n";

ProjectRecord readOptionText(const std::string& text)
{
    TemporaryFolder folder;
    writeBytes(folder.file("p.tkp"), text);
    return readProjectFile(folder.file("p.tkp"));
}

// The committed file with lines put after its message count line, where options stand.
std::string withLinesAfterCount(std::string text, const std::string& lines)
{
    const auto at = text.find(countLineEnd);
    EXPECT_NE(at, std::string::npos);
    return text.insert(at + countLineEnd.size(), lines);
}

// What a reader that knows only the fixed settings takes from a text: each value between the first
// occurrence of its start text and the first occurrence of its end text.
std::string olderValue(const std::string& text, const std::string& key)
{
    const std::string start = "qvo-" + key + "=";
    const auto from = text.find(start);
    const auto to = text.find("endof-qvo-" + key);
    if (from == std::string::npos || to == std::string::npos || to < from + start.size())
        return {};
    return text.substr(from + start.size(), to - from - start.size());
}

std::map<std::string, std::string> olderRead(const std::string& text, int messages)
{
    std::map<std::string, std::string> values;
    for (const SettingLine& line : ProjectKeys::settingLines()) {
        if (std::holds_alternative<RgbColor ProjectRecord::*>(line.field)) {
            for (const std::string& key : ProjectKeys::colorKeys(line.key))
                values[key] = olderValue(text, key);
        } else {
            values[std::string(line.key)] = olderValue(text, std::string(line.key));
        }
    }
    values["text-message_count"] = olderValue(text, "text-message_count");
    for (int n = 1; n <= messages; ++n)
        for (const char* key : {"tmessage", "linktext", "targettext", "titletext"})
            values[key + std::to_string(n)] = olderValue(text, key + std::to_string(n));
    return values;
}

// Every start and end text of the fixed format; message records as their first number and as the prefix
// that any number follows.
std::vector<std::string> fixedFormatTexts()
{
    std::vector<std::string> texts;
    for (const std::string& key : ProjectKeys::valueKeys()) {
        if (key.rfind(ProjectKeys::optionPrefix, 0) == 0)
            continue;
        texts.push_back("qvo-" + key + "=");
        texts.push_back("endof-qvo-" + key);
    }
    for (const char* key : {"tmessage", "linktext", "targettext", "titletext"}) {
        texts.push_back(std::string("qvo-") + key);
        texts.push_back(std::string("qvo-") + key + "1=");
        texts.push_back(std::string("endof-qvo-") + key + "1");
    }
    return texts;
}

} // namespace

TEST(ProjectOptions, OptionTextsAndFixedTextsNeverHoldOneAnother)
{
    const std::vector<std::string> fixed = fixedFormatTexts();
    // 46 lines, 7 of them colours of three values: 60 values; then 4 message records in three forms.
    ASSERT_EQ(fixed.size(), 2u * 60 + 4 * 3);
    std::vector<std::string> options;
    for (const OptionLine& line : ProjectKeys::optionLines()) {
        options.push_back("qvo-" + std::string(line.key) + "=");
        options.push_back("endof-qvo-" + std::string(line.key));
    }
    for (const OptionValueLine& line : ProjectKeys::optionValueLines()) {
        options.push_back("qvo-" + std::string(line.key) + "=");
        options.push_back("endof-qvo-" + std::string(line.key));
    }
    ASSERT_GE(options.size(), 12u);
    for (const std::string& option : options) {
        for (const std::string& old : fixed) {
            EXPECT_EQ(option.find(old), std::string::npos) << option << " holds " << old;
            EXPECT_EQ(old.find(option), std::string::npos) << old << " holds " << option;
        }
        for (const std::string& other : options)
            EXPECT_TRUE(other == option || other.find(option) == std::string::npos)
                << other << " holds " << option;
    }
    for (const OptionLine& line : ProjectKeys::optionLines())
        EXPECT_EQ(line.key.rfind("x-", 0), 0u) << line.key;
    for (const OptionValueLine& line : ProjectKeys::optionValueLines())
        EXPECT_EQ(line.key.rfind("x-", 0), 0u) << line.key;
    for (const std::string& old : fixed)
        EXPECT_EQ(old.find("qvo-x-"), std::string::npos) << old;
}

struct OptionWrittenCase
{
    int accessibleBox;
    int rightToLeft;
    int fitPageWidth;
    std::string lines;
    int lightMotion = 0;
    int liveMessages = 0;
    int liveSeconds = ProjectRecord::defaultLiveSeconds;
};

// The options go after the message count line, in the table's order, and only when on: a design with both
// off is the committed default file byte for byte.
TEST(ProjectOptions, AnOptionIsWrittenAsOneLineOnlyWhenItIsOn)
{
    const std::string committed = readBytes(testData("default-written.tkp"));
    const std::vector<OptionWrittenCase> cases = {
        {0, 0, 0, ""},
        {1, 0, 0, accessibleLine},
        {0, 1, 0, rightToLeftLine},
        {1, 1, 0, accessibleLine + rightToLeftLine},
        {0, 0, 1, fitWidthLine},
        {1, 0, 1, accessibleLine + fitWidthLine},
        {1, 1, 1, accessibleLine + rightToLeftLine + fitWidthLine},
        {0, 0, 0, lightLine, 1},
        {1, 1, 1, accessibleLine + rightToLeftLine + lightLine + fitWidthLine, 1},
        {2, -1, 7, "", 3},
        {0, 0, 0, liveLines("300"), 0, 1},
        {0, 0, 0, liveLines("45"), 0, 1, 45},
        {0, 0, 0, "", 0, 0, 45},
        {0, 0, 0, "", 0, 2, 45},
        {1, 1, 1, accessibleLine + rightToLeftLine + lightLine + fitWidthLine + liveLines("86400"), 1, 1,
         86400},
    };
    for (const OptionWrittenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.accessibleBox) + "," + std::to_string(c.rightToLeft) + "," +
                     std::to_string(c.fitPageWidth));
        ProjectRecord design = defaultDesign();
        design.accessibleBox = c.accessibleBox;
        design.rightToLeft = c.rightToLeft;
        design.fitPageWidth = c.fitPageWidth;
        design.lightMotion = c.lightMotion;
        design.liveMessages = c.liveMessages;
        design.liveSeconds = c.liveSeconds;
        EXPECT_EQ(ProjectWriter::projectText(design), withLinesAfterCount(committed, c.lines));
    }
}

struct OptionReadCase
{
    std::string value;
    int reads;
};

// A value is on only when its integer reading, as every flag of the file is read, is 1.
TEST(ProjectOptions, AnOptionReadsAsOnOnlyForTheValueOne)
{
    const std::vector<OptionReadCase> cases = {
        {"1", 1},  {"0", 0},  {"2", 0},   {"", 0},   {"-1", 0}, {"yes", 0},
        {"01", 1}, {" 1", 1}, {"1px", 1}, {"11", 0}, {"+1", 1}, {"1\r\n", 1},
    };
    const std::string committed = readBytes(testData("default-written.tkp"));
    for (const OptionReadCase& c : cases) {
        SCOPED_TRACE("[" + c.value + "]");
        const ProjectRecord accessible = readOptionText(withLinesAfterCount(
            committed, "#%#qvo-x-accessiblebox=" + c.value + "endof-qvo-x-accessiblebox#%#\r\n"));
        EXPECT_EQ(accessible.accessibleBox, c.reads);
        EXPECT_EQ(accessible.rightToLeft, 0);
        const ProjectRecord rightToLeft = readOptionText(withLinesAfterCount(
            committed, "#>#qvo-x-righttoleft=" + c.value + "endof-qvo-x-righttoleft#>#\r\n"));
        EXPECT_EQ(rightToLeft.rightToLeft, c.reads);
        EXPECT_EQ(rightToLeft.accessibleBox, 0);
        const ProjectRecord fitWidth = readOptionText(withLinesAfterCount(
            committed, "#%#qvo-x-fitpagewidth=" + c.value + "endof-qvo-x-fitpagewidth#%#\r\n"));
        EXPECT_EQ(fitWidth.fitPageWidth, c.reads);
        EXPECT_EQ(fitWidth.rightToLeft, 0);
    }
}

// The seconds are read as every number of the file is; a value outside 10 to 86400, or none, is the default
// 300.
TEST(ProjectOptions, TheSecondsOfLiveMessagesReadWithinTheirRange)
{
    const std::vector<OptionReadCase> cases = {
        {"600", 600}, {"10", 10},   {"86400", 86400}, {"9", 300},  {"86401", 300}, {"", 300},
        {"abc", 300}, {"-60", 300}, {" 60", 60},      {"60s", 60}, {"0010", 10},   {"+20", 20},
    };
    const std::string committed = readBytes(testData("default-written.tkp"));
    for (const OptionReadCase& c : cases) {
        SCOPED_TRACE("[" + c.value + "]");
        const ProjectRecord read = readOptionText(withLinesAfterCount(committed, liveLines(c.value)));
        EXPECT_EQ(read.liveMessages, 1);
        EXPECT_EQ(read.liveSeconds, c.reads);
    }
    const ProjectRecord without = readOptionText(
        withLinesAfterCount(committed, "#%#qvo-x-livemessages=1endof-qvo-x-livemessages#%#\r\n"));
    EXPECT_EQ(without.liveSeconds, 300);
}

TEST(ProjectOptions, AReaderOfTheFixedSettingsReadsAFileWithOptionsAsWithout)
{
    const std::string without = readBytes(testData("project/all-keys.tkp"));
    const std::string with = readBytes(testData("project/all-keys-with-options.tkp"));
    ASSERT_EQ(with, withLinesAfterCount(without, accessibleLine + rightToLeftLine));
    const auto olderWithout = olderRead(without, 2);
    EXPECT_EQ(olderWithout.at("width"), "401");
    EXPECT_EQ(olderWithout.at("rightmargin"), "439");
    EXPECT_EQ(olderWithout.at("titlemovecolor_blue"), "157");
    EXPECT_EQ(olderWithout.at("titletext2"), "Title 2");
    EXPECT_EQ(olderRead(with, 2), olderWithout);

    // Today's reader: the same fixed settings, and both options on.
    const ProjectRecord plain = readProjectFile(testData("project/all-keys.tkp"));
    ProjectRecord options = readProjectFile(testData("project/all-keys-with-options.tkp"));
    EXPECT_EQ(options.accessibleBox, 1);
    EXPECT_EQ(options.rightToLeft, 1);
    options.accessibleBox = plain.accessibleBox;
    options.rightToLeft = plain.rightToLeft;
    expectSameDesign(plain, options);
}

// Saved designs of awkward values, each with the options in every combination: a reader of the fixed
// settings reads them as the same design saved without options, and today's reader gives the design back.
TEST(ProjectOptions, DesignsWithOptionsSurviveASaveAndOlderReadersIgnoreThem)
{
    TemporaryFolder folder;
    for (const char* name : {"project/all-keys.tkp", "project/awkward-values.tkp", "default-written.tkp"}) {
        const ProjectRecord base = readProjectFile(testData(name));
        const std::string baseText = ProjectWriter::projectText(base);
        for (const auto& [accessible, rightToLeft, fitWidth, light, live] : {std::tuple{1, 0, 0, 0, 0},
                                                                             {0, 1, 0, 0, 0},
                                                                             {1, 1, 0, 0, 0},
                                                                             {0, 0, 0, 0, 0},
                                                                             {0, 0, 1, 0, 0},
                                                                             {0, 0, 0, 1, 0},
                                                                             {0, 0, 0, 0, 1},
                                                                             {1, 1, 1, 1, 1}}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(accessible) + std::to_string(rightToLeft) +
                         std::to_string(fitWidth) + std::to_string(light) + std::to_string(live));
            ProjectRecord design = base;
            design.accessibleBox = accessible;
            design.rightToLeft = rightToLeft;
            design.fitPageWidth = fitWidth;
            design.lightMotion = light;
            design.liveMessages = live;
            design.liveSeconds = 4321;
            design.projectPath = folder.file("round.tkp");
            ASSERT_TRUE(ProjectWriter::writeProject(design).ok());
            const std::string written = readBytes(design.projectPath);
            EXPECT_EQ(olderRead(written, base.messageCount()), olderRead(baseText, base.messageCount()));
            expectSameDesign(design, readProjectFile(design.projectPath));
        }
    }
}
