#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FedPipe.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// Reads a project text through a file, as Open Project does.
ProjectRecord readText(const std::string& text, ProjectRecord record = {})
{
    TemporaryFolder folder;
    writeBytes(folder.file("p.tkp"), text);
    return readProjectFile(folder.file("p.tkp"), std::move(record));
}

std::string record(const std::string& key, const std::string& value, const std::string& marker = "#%#")
{
    return marker + "qvo-" + key + "=" + value + "endof-qvo-" + key + marker + "\r\n";
}

std::string messageRecords(int n, const Message& m)
{
    const std::string i = std::to_string(n);
    return record("tmessage" + i, m.text) + record("linktext" + i, m.link) +
           record("targettext" + i, m.target) + record("titletext" + i, m.title);
}

} // namespace

TEST(ProjectFile, TheBuiltInDefaultProjectReadsToTheDefaults)
{
    ProjectRecord record;
    int refreshes = 0;
    const auto result =
        ProjectReader(BuiltInTexts::defaultProject(), [&] { ++refreshes; }).readProject(record);
    ASSERT_TRUE(result.ok());
    expectSameDesign(defaultDesign(), record);
    EXPECT_EQ(record.messageCount(), 3);
    EXPECT_EQ(record.effectType, 6);
    EXPECT_EQ(record.messageTexts()[2], "Supports basic HTML tags. (img, B, U,  ...)");
    EXPECT_EQ(record.useDefaultProject, 2);
    EXPECT_EQ(record.projectUntitled, 1);
    EXPECT_EQ(refreshes, 1);
}

// Hand-written files in the writer's layout read and write back to their bytes: the default design, and one
// of blanks around and CR LF inside values, units, negative and out-of-range numbers, windows-1252 and UTF-8
// bytes, quotes and empty fields.
TEST(ProjectFile, HandWrittenFilesWriteBackByteForByte)
{
    for (const std::string name : {"default-written.tkp", "project/awkward-values.tkp"}) {
        SCOPED_TRACE(name);
        const std::string path = testData(name);
        EXPECT_EQ(ProjectWriter::projectText(readProjectFile(path, defaultDesign())), readBytes(path));
    }
}

TEST(ProjectFile, EverySettingAndMessageSurvivesASaveAndARead)
{
    TemporaryFolder folder;
    const ProjectRecord awkward = readProjectFile(testData("project/awkward-values.tkp"));
    for (ProjectRecord original : {awkward, defaultDesign(), ProjectRecord{}}) {
        original.projectPath = folder.file("round.tkp");
        ASSERT_TRUE(ProjectWriter::writeProject(original).ok());
        const ProjectRecord read = readProjectFile(original.projectPath, defaultDesign());
        expectSameDesign(original, read);
        EXPECT_EQ(read.projectUntitled, 2);
    }
}

TEST(ProjectFile, ManyMessagesReadBackInOrderIncludingNumbersThatShareAPrefix)
{
    ProjectRecord original;
    for (int i = 1; i <= 120; ++i) {
        const std::string n = std::to_string(i);
        original.appendMessage({"T" + n, "text " + n, "http://l/" + n, "_t" + n});
    }
    const ProjectRecord read = readText(ProjectWriter::projectText(original));
    expectSameDesign(original, read);
}

struct ReaderCase
{
    std::string name;
    std::string text;
    std::function<void(const ProjectRecord&)> check;
};

TEST(ProjectFile, ReaderCases)
{
    const std::string width5 = record("width", "5");
    // Keeps a text whose other records are broken a project.
    const std::string height2 = record("height", "2");
    const std::vector<ReaderCase> cases = {
        {"markers do not matter and text between records is ignored",
         "junk" + record("width", "1", "#>#") + "more junk\r\n" + record("height", "2") +
             "qvo-nameoftext=nendof-qvo-nameoftext",
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.width, "1");
             EXPECT_EQ(r.height, "2");
             EXPECT_EQ(r.scrollerName, "n");
         }},
        {"the first occurrence of a key wins", record("width", "1") + record("width", "2"),
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, "1"); }},
        {"start and end texts are looked up independently", "qvo-width=1qvo-width=2endof-qvo-width",
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, "1qvo-width=2"); }},
        {"an end text before the start text gives an empty value", "endof-qvo-width" + width5 + height2,
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, ""); }},
        {"a missing start text gives an empty value", "5endof-qvo-width" + height2,
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, ""); }},
        {"a missing end text gives an empty value", "#%#qvo-width=5#%#" + height2,
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, ""); }},
        {"a count of five with three messages gives five, the last two empty",
         record("text-message_count", "5") + messageRecords(1, {"a", "b", "c", "d"}) +
             messageRecords(2, {"e", "f", "g", "h"}) + messageRecords(3, {"i", "j", "k", "l"}),
         [](const ProjectRecord& r) {
             ASSERT_EQ(r.messageCount(), 5);
             EXPECT_EQ(r.message(2), (Message{"i", "j", "k", "l"}));
             EXPECT_EQ(r.message(3), Message{});
             EXPECT_EQ(r.message(4), Message{});
         }},
        {"a start text inside an earlier message starts that record's value there",
         record("text-message_count", "1") + messageRecords(1, {"title", "see qvo-titletext1=here", "", ""}),
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.message(0).title.substr(0, 4), "here");
             EXPECT_EQ(r.message(0).text, "see qvo-titletext1=here");
         }},
        {"a text holding its own end text is cut there",
         record("text-message_count", "1") + messageRecords(1, {"t", "one endof-qvo-tmessage1 two", "", ""}),
         [](const ProjectRecord& r) { EXPECT_EQ(r.message(0).text, "one "); }},
        {"a text with one record reads every other setting as empty or 0", "<html>" + width5 + "</html>",
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.width, "5");
             EXPECT_EQ(r.scrollerName, "");
             EXPECT_EQ(r.effectType, 0);
             EXPECT_EQ(r.bgColor, (RgbColor{0, 0, 0}));
             EXPECT_EQ(r.messageCount(), 0);
         }},
        {"integer records take the leading number",
         record("effecttype", "12px") + record("speed", " -3") + record("tiali", "") +
             record("bgcolor_red", "300") + record("bgcolor_green", "-1") + record("bgcolor_blue", "x"),
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.effectType, 12);
             EXPECT_EQ(r.transitionSpeed, -3);
             EXPECT_EQ(r.alignment, 0);
             EXPECT_EQ(r.bgColor, (RgbColor{300, -1, 0}));
         }},
        {"a negative count gives no messages",
         record("text-message_count", "-4") + messageRecords(1, {"a", "b", "c", "d"}),
         [](const ProjectRecord& r) { EXPECT_EQ(r.messageCount(), 0); }},
        {"a number with a leading zero is not a message number",
         record("text-message_count", "1") + record("tmessage01", "zero") + record("tmessage1", "one"),
         [](const ProjectRecord& r) { EXPECT_EQ(r.message(0).text, "one"); }},
    };
    for (const ReaderCase& c : cases) {
        SCOPED_TRACE(c.name);
        c.check(readText(c.text, defaultDesign()));
    }
}

TEST(ProjectFile, AFileLongerThanSixtyThousandBytesIsReadWhole)
{
    ProjectRecord original = defaultDesign();
    original.appendMessage({"last", std::string(70000, 'x'), "", ""});
    original.appendMessage({"after", "the long one", "", ""});
    const ProjectRecord read = readText(ProjectWriter::projectText(original));
    expectSameDesign(original, read);
}

// A regular file is read in pieces and value by value, a pipe whole: both must give the same design, also
// when the records stand in another order than the writer's (as in the built-in default) and when the file
// spans several pieces.
TEST(ProjectFile, AFileAndAPipeGiveTheSameDesign)
{
    TemporaryFolder folder;
    ProjectRecord design = defaultDesign();
    for (int i = 0; i < 6000; ++i)
        design.appendMessage({"Titel " + std::to_string(i), std::string(i % 700, 'a' + i % 26) + "\r\nZeile",
                              "https://example.org/" + std::to_string(i), i % 2 ? "_top" : ""});
    const std::string written = ProjectWriter::projectText(design);
    ASSERT_GT(written.size(), 3u * 1024 * 1024);
    for (const std::string& text : {written, std::string(BuiltInTexts::defaultProject())}) {
        writeBytes(folder.file("design.tkp"), text);
        const ProjectRecord fromFile = readProjectFile(folder.file("design.tkp"));

        FedPipe pipe(text);
        InputFile input = InputFile::onDescriptor(pipe.readEnd(), "standard input");
        ProjectRecord fromPipe;
        const auto result = ProjectReader({}).readProjectFrom(fromPipe, input);
        ASSERT_TRUE(result.ok());
        expectSameDesign(fromFile, fromPipe);
        EXPECT_EQ(fromPipe.projectUntitled, 2);
    }
    writeBytes(folder.file("design.tkp"), written);
    expectSameDesign(design, readProjectFile(folder.file("design.tkp")));
}
