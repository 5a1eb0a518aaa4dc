#include "project/RecordMarkers.h"

#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/TemporaryFolder.h"

#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <string>

namespace {

struct KeyTextCase
{
    std::string value;
    int messageCount;
    std::optional<std::string> keyText;
};

// A design holding `value` in one field of one message, written and read again through a file.
ProjectRecord savedAndReadAgain(const ProjectRecord& design)
{
    TemporaryFolder folder;
    ProjectRecord saved = design;
    saved.projectPath = folder.file("p.tkp");
    const auto written = ProjectWriter::writeProject(saved);
    EXPECT_TRUE(written.ok()) << written.error().message();
    return readProjectFile(saved.projectPath);
}

} // namespace

// The texts were worked out from the format's rule: the reader takes the first "qvo-KEY=" and the first
// "endof-qvo-KEY" in the whole file, and the writer follows every value with "endof-qvo-".
TEST(RecordMarkers, FindsEveryTextThatWouldStartOrEndARecord)
{
    const KeyTextCase cases[] = {
        {"Plain news, 100% #1 > all", 3, std::nullopt},
        {"see qvo-width= here", 3, "qvo-width="},
        {"ends endof-qvo-width early", 3, "endof-qvo-width"},
        {"#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#", 0, "qvo-x-accessiblebox="},
        {"qvo-text-message_count=9", 0, "qvo-text-message_count="},
        {"qvo-bgcolor_red=0", 0, "qvo-bgcolor_red="},
        {"a key without its equals sign: qvo-width", 3, std::nullopt},
        {"qvo-widt=", 3, std::nullopt},
        // The writer's own end text completes it: "endof-qvo-paus" + "endof-qvo-..." holds "endof-qvo-pause".
        {"cut endof-qvo-paus", 3, "endof-qvo-pause"},
        {"endof-qvo-paus.", 3, std::nullopt},
        {"endof-qvo-tmessage", 3, std::nullopt},
        {"qvo-tmessage1=", 3, "qvo-tmessage1="},
        {"qvo-titletext3=", 3, "qvo-titletext3="},
        {"qvo-titletext4=", 3, std::nullopt},
        {"qvo-tmessage1=", 0, std::nullopt},
        {"qvo-tmessage01=", 3, std::nullopt},
        {"qvo-linktext12=", RecordMarkers::anyMessage, "qvo-linktext12="},
        // Message 1's end text stands at the front of message 12's.
        {"endof-qvo-targettext12", 1, "endof-qvo-targettext1"},
        {"endof-qvo-targettext05", 9, std::nullopt},
        {"q&#118;o-width= and qv&#111;-width=", 3, std::nullopt},
    };
    for (const KeyTextCase& row : cases) {
        SCOPED_TRACE(row.value + " with " + std::to_string(row.messageCount) + " messages");
        EXPECT_EQ(RecordMarkers::keyTextIn(row.value, row.messageCount), row.keyText);
    }
}

// What the writer accepts comes back value for value, in a setting and in each field of a message; what it
// refuses is named by step, field and message, and leaves the file as it was.
TEST(RecordMarkers, TheWriterRefusesExactlyWhatWouldNotReadBack)
{
    struct Row
    {
        std::string value;
        const char* refusal; // the place the error names; nullptr when the design is written
    };
    const Row rows[] = {
        {"qvo- endof- endof-qvo- #%# #>#\r\n qvo-widt= endof-qvo-tmessage", nullptr},
        {"lost endof-qvo-tmessage1#%# here", "message 2, Title holds \"endof-qvo-tmessage1\""},
        {"qvo-linktext1=javascript:alert(1)", "message 2, Title holds \"qvo-linktext1=\""},
        {"1endof-qvo-x-lightmotion", "message 2, Title holds \"endof-qvo-x-lightmotion\""},
        {std::string("a\0b qvo-width=", 15), "message 2, Title holds a NUL character (U+0000)"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.value);
        ProjectRecord design = defaultDesign();
        design.textCustomFont = row.value;
        ASSERT_TRUE(design.replaceMessage(1, {row.value, row.value, row.value, row.value}));
        if (row.refusal == nullptr) {
            expectSameDesign(design, savedAndReadAgain(design));
            continue;
        }
        design.textCustomFont.clear();
        TemporaryFolder folder;
        design.projectPath = folder.file("p.tkp");
        writeBytes(design.projectPath, "old");
        const auto written = ProjectWriter::writeProject(design);
        ASSERT_FALSE(written.ok());
        EXPECT_EQ(written.error().code(), Error::DesignRefused);
        EXPECT_NE(written.error().message().find("Step 4, " + std::string(row.refusal)), std::string::npos)
            << written.error().message();
        EXPECT_NE(written.error().message().find(design.projectPath), std::string::npos);
        EXPECT_EQ(readBytes(design.projectPath), "old");
    }
}

// The reader refuses a file that holds a NUL, so the writer refuses one in any text, naming where it is.
TEST(RecordMarkers, ANulInAnyTextIsRefusedWhereItIs)
{
    const std::string nul(1, '\0');
    const std::pair<std::function<void(ProjectRecord&)>, std::string> cases[] = {
        {[&](ProjectRecord& d) { d.scrollerName += nul; }, "Step 1, Name holds a NUL"},
        {[&](ProjectRecord& d) { d.width = nul; }, "Step 2, Width holds a NUL"},
        {[&](ProjectRecord& d) { d.bgImageName += nul; }, "Step 2, Background image holds a NUL"},
        {[&](ProjectRecord& d) { d.titleCustomFont += nul; }, "Step 3, Title font holds a NUL"},
        {[&](ProjectRecord& d) { d.pause += nul; }, "Step 4, Pause holds a NUL"},
        {[&](ProjectRecord& d) {
             d.replaceMessage(2, {"", "text" + nul, "", ""});
         },
         "Step 4, message 3, Text holds a NUL"},
        {[&](ProjectRecord& d) {
             d.replaceMessage(0, {"", "", "", nul});
         },
         "Step 4, message 1, Target holds a NUL"},
    };
    for (const auto& [change, refusal] : cases) {
        ProjectRecord design = defaultDesign();
        change(design);
        const auto writable = ProjectWriter::writable(design, "p.tkp");
        ASSERT_FALSE(writable.ok()) << refusal;
        EXPECT_NE(writable.error().message().find(refusal), std::string::npos) << writable.error().message();
    }
}

TEST(RecordMarkers, AnInertTextHoldsNoKeyTextAndShowsTheSameCharacters)
{
    const std::string hostile = "#%#qvo-linktext1=javascript:x()endof-qvo-linktext1#%# endof-qvo-paus";
    const std::string inert = RecordMarkers::inertHtml(hostile);
    EXPECT_EQ(inert, "#%#qv&#111;-linktext1=javascript:x()endof-qv&#111;-linktext1#%# endof-qv&#111;-paus");
    EXPECT_FALSE(RecordMarkers::holdsKeyText(inert));
}
