#include "project/ProjectReader.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FedPipe.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/WideText.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>

// Files that cannot be projects are refused, as a file and as standard input, with the design and its
// file left as they were; files with at least one record keep loading however they were edited.
namespace {

// "#%#qvo-width=5endof-qvo-width#%#": 3 + 10 + 1 + 15 + 3 = 32 bytes.
const std::string widthRecord = "#%#qvo-width=5endof-qvo-width#%#";

struct FileCase
{
    std::string name;
    std::string bytes;
    // What the refusal says after the file's name; nothing when the file must load.
    std::optional<std::string> refusal;
    std::function<void(const ProjectRecord&)> loaded = {};
};

std::vector<FileCase> fileCases()
{
    const std::string utf16le = widened(widthRecord, 2, false);
    return {
        {"a NUL byte after the first record",
         widthRecord + std::string(1, '\0') + "#%#qvo-height=7endof-qvo-height#%#",
         "is not a Marquetto project: it holds a NUL byte at byte offset 32."},
        {"a NUL byte beyond the first piece read",
         widthRecord + std::string(1500000, 'x') + std::string(1, '\0'),
         "is not a Marquetto project: it holds a NUL byte at byte offset 1500032."},
        {"UTF-16LE with a byte-order mark", "\xFF\xFE" + utf16le, "it is UTF-16LE text"},
        {"UTF-16LE without one", utf16le, "it is UTF-16LE text"},
        {"UTF-16BE with a byte-order mark", "\xFE\xFF" + widened(widthRecord, 2, true),
         "it is UTF-16BE text"},
        {"UTF-16BE without one", widened(widthRecord, 2, true), "it is UTF-16BE text"},
        {"UTF-16LE whose first letters are not Latin", "\x3B\x04\x30\x04" + utf16le + utf16le,
         "it is UTF-16LE text"},
        {"UTF-16LE of letters that hold no NUL byte", "\xFF\xFE\xE5\x65\x2C\x67", "it is UTF-16LE text"},
        {"UTF-32LE with a byte-order mark", std::string("\xFF\xFE\0\0", 4) + widened(widthRecord, 4, false),
         "it is UTF-32LE text"},
        {"UTF-32BE without one", widened(widthRecord, 4, true), "it is UTF-32BE text"},
        {"an empty file", "", "is not a Marquetto project: it is empty."},
        {"the first bytes of a JPEG image", std::string("\xFF\xD8\xFF\xE0\0\x10JFIF\0\x01\x01", 13),
         "it holds a NUL byte at byte offset 4."},
        {"a letter that names keys without a record",
         "Dear Anna,\r\nthe width qvo-width= is 180, see endof-qvo-height.\r\n",
         "is not a Marquetto project: no project record was found in it."},
        {"an end text before its start text", "endof-qvo-width qvo-width=5", "no project record was found"},
        {"a web page", "<html><body>Hello</body></html>", "no project record was found"},
        {"message records of different numbers", "qvo-tmessage1=aendof-qvo-tmessage2", "no project record"},

        {"a UTF-8 byte-order mark",
         "\xEF\xBB\xBF" + widthRecord +
             "#%#qvo-nameoftext=caf\xC3\xA9"
             "endof-qvo-nameoftext#%#",
         std::nullopt,
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.width, "5");
             EXPECT_EQ(r.scrollerName, "caf\xC3\xA9");
         }},
        {"one setting record only", "#%#qvo-height=7endof-qvo-height#%#", std::nullopt,
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.height, "7");
             EXPECT_EQ(r.width, "");
             EXPECT_EQ(r.messageCount(), 0);
         }},
        {"one empty value", "qvo-width=endof-qvo-width", std::nullopt,
         [](const ProjectRecord& r) { EXPECT_EQ(r.width, ""); }},
        {"one message record only", "qvo-titletext12=Tendof-qvo-titletext12", std::nullopt,
         [](const ProjectRecord& r) { EXPECT_EQ(r.messageCount(), 0); }},
        {"a hand-edited windows-1252 file",
         "My notes\r\nqvo-width=200endof-qvo-width  "
         "\xE9t\xE9\r\n#>#qvo-nameoftext=n\xE9ws_endof-qvo-nameoftext",
         std::nullopt,
         [](const ProjectRecord& r) {
             EXPECT_EQ(r.width, "200");
             EXPECT_EQ(r.scrollerName, "n\xE9ws_");
         }},
    };
}

ProjectRecord designWithItsFile(const std::string& path)
{
    ProjectRecord record = defaultDesign();
    record.useDefaultProject = ProjectRecord::readProjectPath;
    record.projectPath = path;
    return record;
}

void expectOutcome(const FileCase& c, const Expected<void>& read, const std::string& fileName,
                   const ProjectRecord& record, int refreshes)
{
    if (!c.refusal) {
        ASSERT_TRUE(read.ok()) << read.error().message();
        EXPECT_EQ(refreshes, 1);
        EXPECT_EQ(record.projectUntitled, ProjectRecord::titled);
        c.loaded(record);
        return;
    }
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.error().code(), Error::FileFailed);
    EXPECT_EQ(read.error().message().rfind("\"" + fileName + "\": ", 0), 0u) << read.error().message();
    EXPECT_NE(read.error().message().find(*c.refusal), std::string::npos) << read.error().message();
    EXPECT_EQ(refreshes, 0);
    EXPECT_EQ(record.projectUntitled, ProjectRecord::untitled);
    expectSameDesign(defaultDesign(), record);
}

} // namespace

TEST(ProjectFileCheck, FilesThatAreNotProjectsAreRefusedAndOthersLoad)
{
    TemporaryFolder folder;
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.name);
        const std::string path = folder.file("case.tkp");
        writeBytes(path, c.bytes);
        ProjectRecord record = designWithItsFile(path);
        int refreshes = 0;
        const auto read = ProjectReader({}, [&] { ++refreshes; }).readProject(record);
        expectOutcome(c, read, path, record, refreshes);
        EXPECT_EQ(record.projectPath, path);
    }
}

TEST(ProjectFileCheck, StandardInputGetsTheSameChecks)
{
    for (const FileCase& c : fileCases()) {
        SCOPED_TRACE(c.name);
        FedPipe pipe(c.bytes);
        InputFile input = InputFile::onDescriptor(pipe.readEnd(), "standard input");
        ProjectRecord record = defaultDesign();
        int refreshes = 0;
        const auto read = ProjectReader({}, [&] { ++refreshes; }).readProjectFrom(record, input);
        expectOutcome(c, read, "standard input", record, refreshes);
    }
}
