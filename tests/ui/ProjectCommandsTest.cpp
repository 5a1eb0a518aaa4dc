#include "generator/BuiltInTexts.h"
#include "project/ProjectReader.h"
#include "project/ProjectWriter.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FileBytes.h"
#include "tests/support/RecordComparison.h"
#include "tests/support/RecordingStepPage.h"
#include "tests/support/UnwrittenFifo.h"
#include "tests/support/WidthWarning.h"
#include "tests/ui/WizardHarness.h"

#include <QLineEdit>

#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace {

const std::string defaultWritten = std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp";

// Reads a project file into a fresh record, as the next run of the program would.
ProjectRecord readBack(const std::string& path)
{
    ProjectRecord record;
    record.useDefaultProject = 2;
    record.projectPath = path;
    const auto result = ProjectReader(BuiltInTexts::defaultProject()).readProject(record);
    EXPECT_TRUE(result.ok()) << (result.ok() ? "" : result.error().message());
    return record;
}

// The default project text with one value replaced, written by hand from the default file.
std::string defaultProjectWith(const std::string& from, const std::string& to)
{
    std::string text = readBytes(defaultWritten);
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return text.replace(at, from.size(), to);
}

} // namespace

TEST(ProjectCommands, FirstSaveProposesNewProjectInTheDocumentsFolderAndTheSecondAsksNothing)
{
    WizardHarness harness;
    const std::string path = harness.workFile("newproject.tkp");
    harness.platform.expectSaveFileName(QString::fromStdString(path));

    harness.click("saveProjectButton");

    const auto dialog = harness.platform.lastCall(FakePlatform::CallKind::SaveFileName);
    EXPECT_EQ(dialog.options.proposedName, "newproject.tkp");
    EXPECT_EQ(dialog.options.folder, harness.path("Documents"));
    EXPECT_EQ(dialog.options.filter, "Marquetto Wizard (*.tkp)");
    EXPECT_EQ(dialog.options.defaultSuffix, "tkp");
    EXPECT_FALSE(dialog.options.existingOnly);
    EXPECT_EQ(dialog.parent, &harness.wizard());
    EXPECT_EQ(readBytes(path), readBytes(defaultWritten));
    EXPECT_EQ(harness.record().projectUntitled, 2);

    harness.typeInto("nameEdit", "second_");
    harness.click("saveProjectButton");
    EXPECT_EQ(readBack(path).scrollerName, "second_");
}

TEST(ProjectCommands, SaveAsProposesTheNameOfTheCurrentFile)
{
    WizardHarness harness;
    const QString first = harness.path("my design.tkp");
    harness.platform.expectSaveFileName(first);
    harness.click("saveProjectAsButton");

    harness.platform.expectSaveFileName(harness.path("copy.tkp"));
    harness.click("saveProjectAsButton");

    const auto dialog = harness.platform.lastCall(FakePlatform::CallKind::SaveFileName);
    EXPECT_EQ(dialog.options.proposedName, "my design.tkp");
    EXPECT_EQ(dialog.options.folder, QString::fromStdString(harness.folder.path() + "/"));
    EXPECT_EQ(harness.record().projectPath, harness.folder.file("copy.tkp"));
    EXPECT_TRUE(std::filesystem::exists(harness.folder.file("copy.tkp")));
}

TEST(ProjectCommands, TheChosenNameIsTrimmedAndABlankNameBecomesNewProject)
{
    const struct
    {
        const char* typed;
        const char* saved;
    } cases[] = {{"   ", "newproject.tkp"}, {"", "newproject.tkp"}, {"  news box.tkp \t", "news box.tkp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        WizardHarness harness;
        harness.platform.expectSaveFileName(harness.path("") + c.typed);
        harness.click("saveProjectAsButton");
        EXPECT_EQ(harness.record().projectPath, harness.folder.file(c.saved));
        EXPECT_EQ(readBytes(harness.folder.file(c.saved)), readBytes(defaultWritten));
    }
}

TEST(ProjectCommands, CancellingTheDialogLeavesTheProjectWithoutAFile)
{
    WizardHarness harness;
    harness.platform.expectSaveFileName(std::nullopt);
    harness.click("saveProjectButton");
    EXPECT_EQ(harness.record().projectUntitled, 1);
    EXPECT_FALSE(std::filesystem::exists(harness.workFile("newproject.tkp")));

    harness.platform.expectSaveFileName(std::nullopt);
    harness.click("saveProjectButton");
}

TEST(ProjectCommands, AWidthWarningComesBeforeAndAfterTheDialogAndTheSaveGoesOn)
{
    WizardHarness harness;
    harness.goToStep(1);
    harness.typeInto("widthEdit", "");
    harness.platform.expectMessage(widthMessage);
    harness.platform.expectSaveFileName(harness.path("wide.tkp"));
    harness.platform.expectMessage(widthMessage);

    harness.click("saveProjectButton");

    EXPECT_EQ(readBack(harness.folder.file("wide.tkp")).width, "");
}

TEST(ProjectCommands, OpenThenSaveWritesBackToTheOpenedFile)
{
    WizardHarness harness;
    const std::string path = harness.folder.file("opened.tkp");
    const std::string original = defaultProjectWith("qvo-nameoftext=scroller_", "qvo-nameoftext=opened_");
    writeBytes(path, original);
    harness.platform.expectOpenFileName(QString::fromStdString(path));

    harness.click("openProjectButton");

    const auto dialog = harness.platform.lastCall(FakePlatform::CallKind::OpenFileName);
    EXPECT_EQ(dialog.options.filter, "Marquetto Wizard Files (*.tkp)");
    EXPECT_EQ(dialog.options.defaultSuffix, "tkp");
    EXPECT_TRUE(dialog.options.existingOnly);
    EXPECT_TRUE(dialog.options.proposedName.isEmpty());
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "opened_");
    EXPECT_EQ(harness.record().projectUntitled, 2);

    harness.click("saveProjectButton");
    EXPECT_EQ(readBytes(path), original);
}

TEST(ProjectCommands, OpenReadsWithoutFlushingAndRefreshesEveryPage)
{
    QStringList log;
    WizardHarness harness([&](int step, ProjectRecord& record, Platform& platform, QWidget* parent) {
        return new RecordingStepPage(step, log, record, platform, parent);
    });
    const std::string path = harness.folder.file("other.tkp");
    writeBytes(path, readBytes(defaultWritten));
    log.clear();
    harness.platform.expectOpenFileName(QString::fromStdString(path));

    harness.wizard().commands().openProject();

    EXPECT_EQ(log, QStringList({"load Step 2", "load Step 4", "load Step 1", "load Step 3"}));
}

// Whatever makes an Open fail, the design, its file and the name shown stay, and Save still writes there.
TEST(ProjectCommands, AFailedOpenKeepsThePreviousDesignAndItsFile)
{
    WizardHarness harness;
    const std::string path = harness.folder.file("good.tkp");
    writeBytes(path, defaultProjectWith("qvo-nameoftext=scroller_", "qvo-nameoftext=good_"));
    harness.platform.expectOpenFileName(QString::fromStdString(path));
    harness.click("openProjectButton");
    const ProjectRecord before = harness.record();

    struct FailedOpen
    {
        std::string name;
        std::optional<std::string> bytes;
        std::string reason;
    };
    // The NUL byte follows a record of 3 + 15 + 4 + 20 + 3 = 45 bytes.
    for (const FailedOpen& file : std::vector<FailedOpen>{
             {"missing.tkp", std::nullopt, "cannot be opened for reading"},
             {"nul.tkp", std::string("#%#qvo-nameoftext=nul_endof-qvo-nameoftext#%#\0", 46),
              "is not a Marquetto project: it holds a NUL byte at byte offset 45."},
             {"wide.tkp", std::string("\xFF\xFE#\0%\0#\0", 8),
              "is not a Marquetto project: it is UTF-16LE text"},
             {"empty.tkp", "", "is not a Marquetto project: it is empty."},
             {"photo.tkp", "\xFF\xD8\xFF\xE0 and no record",
              "is not a Marquetto project: no project record was found in it."}}) {
        SCOPED_TRACE(file.name);
        const std::string refused = harness.folder.file(file.name);
        if (file.bytes)
            writeBytes(refused, *file.bytes);
        harness.platform.expectOpenFileName(QString::fromStdString(refused));
        harness.platform.expectMessageContaining(
            QString::fromStdString("\"" + refused + "\": " + file.reason));
        harness.click("openProjectButton");
        harness.platform.verify();
        expectSameDesign(before, harness.record());
        EXPECT_EQ(harness.record().projectPath, path);
        EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "good_");
    }
    harness.click("saveProjectButton");
    EXPECT_EQ(readBack(path).scrollerName, "good_");
    EXPECT_FALSE(std::filesystem::exists(harness.folder.file("missing.tkp")));
    EXPECT_EQ(readBytes(harness.folder.file("empty.tkp")), "");
}

TEST(ProjectCommands, CancellingOpenChangesNothing)
{
    WizardHarness harness;
    harness.typeInto("nameEdit", "typed_");
    harness.platform.expectSaveChangesQuestion(Platform::SaveChangesAnswer::Discard);
    harness.platform.expectOpenFileName(std::nullopt);
    harness.click("openProjectButton");
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "typed_");
    EXPECT_EQ(harness.record().projectUntitled, 1);
}

TEST(ProjectCommands, OpenOverAnEditedDesignAsksFirstAndCancelKeepsIt)
{
    WizardHarness harness;
    const QString other = harness.path("other.tkp");
    harness.record().scrollerName = "other_";
    harness.record().projectPath = other.toStdString();
    ASSERT_TRUE(ProjectWriter::writeProject(harness.record()).ok());
    harness.record().scrollerName = "scroller_";
    harness.record().projectPath = " ";

    harness.typeInto("nameEdit", "typed_");
    harness.platform.expectSaveChangesQuestion(Platform::SaveChangesAnswer::Cancel);
    harness.click("openProjectButton");
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "typed_");
    harness.platform.verify();

    harness.platform.expectSaveChangesQuestion(Platform::SaveChangesAnswer::Discard);
    harness.platform.expectOpenFileName(other);
    harness.click("openProjectButton");
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "other_");
    harness.platform.verify();

    // What was just read is the design as saved: opening again asks nothing.
    harness.platform.expectOpenFileName(std::nullopt);
    harness.click("openProjectButton");
}

TEST(ProjectCommands, AFailedWriteNamesTheFileAndKeepsTheChosenName)
{
    WizardHarness harness;
    const std::string target = harness.folder.file("no such folder/design.tkp");
    harness.platform.expectSaveFileName(QString::fromStdString(target));
    harness.platform.expectMessageContaining(QString::fromStdString(target));

    harness.click("saveProjectButton");

    EXPECT_EQ(harness.record().projectPath, target);
    EXPECT_EQ(harness.record().projectUntitled, 2);
}

TEST(ProjectCommands, TheSavedDefaultDesignReadsBackAsTheDefaultDesign)
{
    WizardHarness harness;
    harness.platform.expectSaveFileName(harness.path("default.tkp"));
    harness.click("saveProjectButton");
    expectSameDesign(defaultDesign(), readBack(harness.folder.file("default.tkp")));
}

// The wizard saves through the same file layer as the command line: a read-only project is refused with a
// message that says so, a project reached through a link stays linked.
TEST(ProjectCommands, SaveRefusesAReadOnlyProjectAndKeepsALinkedOne)
{
    namespace fs = std::filesystem;
    WizardHarness harness;
    const std::string locked = harness.folder.file("locked.tkp");
    writeBytes(locked, "an earlier design");
    fs::permissions(locked, fs::perms::owner_read);
    harness.platform.expectSaveFileName(QString::fromStdString(locked));
    harness.platform.expectReplaceQuestion(QString::fromStdString(locked), true);
    harness.platform.expectMessageContaining(QString::fromStdString(locked) + "\": is read-only");
    harness.click("saveProjectButton");
    EXPECT_EQ(readBytes(locked), "an earlier design");

    fs::create_directory(harness.folder.file("real"));
    writeBytes(harness.folder.file("real/design.tkp"), "an earlier design");
    fs::create_symlink("real/design.tkp", harness.folder.file("link.tkp"));
    harness.platform.expectSaveFileName(harness.path("link.tkp"));
    harness.platform.expectReplaceQuestion(harness.path("link.tkp"), true);
    harness.click("saveProjectAsButton");
    EXPECT_TRUE(fs::is_symlink(harness.folder.file("link.tkp")));
    EXPECT_EQ(readBytes(harness.folder.file("real/design.tkp")), readBytes(defaultWritten));
}

// A FIFO offered as a project would hold the window until something wrote to it: it is refused at once.
TEST(ProjectCommands, OpenRefusesAFifoAtOnceAndKeepsTheDesignAndItsFile)
{
    WizardHarness harness;
    const UnwrittenFifo fifo(harness.folder.file("pipe.tkp"));
    harness.platform.expectOpenFileName(QString::fromStdString(fifo.path()));
    harness.platform.expectMessage(
        QString::fromStdString("\"" + fifo.path() + "\": is a named pipe (FIFO), not a regular file."));

    harness.click("openProjectButton");

    EXPECT_FALSE(fifo.freed()) << "the wizard waited on the FIFO";
    EXPECT_EQ(harness.record().projectPath, " ");
    EXPECT_EQ(harness.record().projectUntitled, 1);
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "scroller_");
    EXPECT_EQ(harness.platform.rememberedProjectFolder(), "");
}

// The question is about the file that would be written, the trimmed name; declining it brings the dialog
// back at that name, where the user may pick another file or cancel.
TEST(ProjectCommands, SaveAsOverAnExistingFileAsksAndOnlyReplaceWritesIt)
{
    const struct
    {
        const char* typed;
        bool replace;
        std::optional<std::string> chosenAfterwards;
        const char* written; // nullptr when nothing is
    } cases[] = {
        {"old.tkp", true, std::nullopt, "old.tkp"},
        {"  old.tkp\t", true, std::nullopt, "old.tkp"},
        {"old.tkp", false, std::nullopt, nullptr},
        {"old.tkp", false, "other.tkp", "other.tkp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + (c.replace ? " replaced" : " declined"));
        WizardHarness harness;
        const std::string old = harness.folder.file("old.tkp");
        writeBytes(old, "an older design");
        harness.platform.expectSaveFileName(harness.path("") + c.typed);
        harness.platform.expectReplaceQuestion(harness.path("old.tkp"), c.replace);
        if (!c.replace)
            harness.platform.expectSaveFileName(
                c.chosenAfterwards ? std::optional(harness.path(*c.chosenAfterwards)) : std::nullopt);

        harness.click("saveProjectAsButton");

        if (!c.replace) {
            const auto again = harness.platform.lastCall(FakePlatform::CallKind::SaveFileName);
            EXPECT_EQ(again.options.proposedName, "old.tkp");
            EXPECT_EQ(again.options.folder, harness.path(""));
        }
        if (c.written == nullptr) {
            EXPECT_EQ(harness.record().projectUntitled, 1);
        } else {
            EXPECT_EQ(harness.record().projectPath, harness.folder.file(c.written));
            EXPECT_EQ(readBytes(harness.folder.file(c.written)), readBytes(defaultWritten));
        }
        if (c.written == nullptr || std::string(c.written) != "old.tkp") {
            EXPECT_EQ(readBytes(old), "an older design");
        }
    }
}

TEST(ProjectCommands, SaveAsOntoAFifoIsRefusedAndGoesBackToTheDialog)
{
    WizardHarness harness;
    const UnwrittenFifo fifo(harness.folder.file("pipe.tkp"));
    harness.platform.expectSaveFileName(QString::fromStdString(fifo.path()));
    harness.platform.expectMessage(QString::fromStdString(
        "\"" + fifo.path() + "\": is not a regular file; a project is saved only as a file."));
    harness.platform.expectSaveFileName(std::nullopt);

    harness.click("saveProjectAsButton");

    EXPECT_FALSE(fifo.freed()) << "the wizard waited on the FIFO";
    EXPECT_EQ(harness.record().projectUntitled, 1);
}

TEST(ProjectCommands, ANewProjectsDialogsStartWhereAnEarlierRunLeftThemOrInTheDocumentsFolder)
{
    const struct
    {
        const char* remembered; // relative to the test's folder; nullptr for nothing remembered
        const char* expected;
    } cases[] = {
        {nullptr, "Documents"},
        {"earlier/", "earlier/"},
        {"gone/", "Documents"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.remembered ? c.remembered : "nothing remembered");
        WizardHarness harness;
        std::filesystem::create_directory(harness.folder.file("earlier"));
        if (c.remembered)
            harness.platform.setRememberedProjectFolder(harness.path(c.remembered));
        harness.platform.expectOpenFileName(std::nullopt);
        harness.click("openProjectButton");
        EXPECT_EQ(harness.platform.lastCall(FakePlatform::CallKind::OpenFileName).options.folder,
                  harness.path(c.expected));
        harness.platform.expectSaveFileName(std::nullopt);
        harness.click("saveProjectAsButton");
        EXPECT_EQ(harness.platform.lastCall(FakePlatform::CallKind::SaveFileName).options.folder,
                  harness.path(c.expected));
    }
}

TEST(ProjectCommands, TheFolderOfEachProjectOpenedOrSavedIsRememberedAndAFailureChangesNothing)
{
    namespace fs = std::filesystem;
    WizardHarness harness;
    fs::create_directories(harness.folder.file("opened"));
    fs::create_directories(harness.folder.file("saved"));
    writeBytes(harness.folder.file("opened/design.tkp"), readBytes(defaultWritten));

    harness.platform.expectOpenFileName(harness.path("opened/design.tkp"));
    harness.click("openProjectButton");
    EXPECT_EQ(harness.platform.rememberedProjectFolder(), harness.path("opened/"));

    harness.platform.expectSaveFileName(harness.path("saved/copy.tkp"));
    harness.click("saveProjectAsButton");
    EXPECT_EQ(harness.platform.rememberedProjectFolder(), harness.path("saved/"));

    // Another run may have remembered another folder meanwhile; this project's own folder comes first.
    harness.platform.setRememberedProjectFolder(harness.path("opened/"));
    harness.platform.expectSaveFileName(harness.path("missing/copy.tkp"));
    harness.platform.expectMessageContaining(harness.path("missing/copy.tkp"));
    harness.click("saveProjectAsButton");
    EXPECT_EQ(harness.platform.lastCall(FakePlatform::CallKind::SaveFileName).options.folder,
              harness.path("saved/"));
    EXPECT_EQ(harness.platform.rememberedProjectFolder(), harness.path("opened/"));

    harness.platform.expectOpenFileName(harness.path("missing/design.tkp"));
    harness.platform.expectMessageContaining(harness.path("missing/design.tkp"));
    harness.click("openProjectButton");
    EXPECT_EQ(harness.platform.rememberedProjectFolder(), harness.path("opened/"));
}
