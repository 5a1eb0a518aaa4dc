#include "platform/QtPlatform.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FileBytes.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/support/ScopedEnvironment.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/support/UnwrittenFifo.h"
#include "ui/CQuorvoApp.h"
#include "ui/CQuorvoDlg.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <filesystem>
#include <gtest/gtest.h>

namespace {

const std::string sampleInRepository =
    std::string(MARQUETTO_TEST_DATA) + "/../../tickerkit/tmp/tkbackground.jpg";

class StartUp : public testing::Test
{
protected:
    StartUp()
    {
        std::filesystem::create_directories(start.path() + "/tickerkit/tmp");
        platform.setCurrentFolder(QString::fromStdString(start.path()));
        platform.setDataFolder(QString::fromStdString(data.path()));
    }

    void putSampleInStartFolder(const std::string& bytes)
    {
        writeBytes(start.path() + "/tickerkit/tmp/tkbackground.jpg", bytes);
    }

    std::string workFolder() const { return data.path() + "/mirelight/tickerkit/"; }

    TemporaryFolder start;
    TemporaryFolder data;
    FakePlatform platform;
};

// Acts on the wizard once the start-up sequence shows it (nullptr when it never did).
void onShownWizard(std::function<void(CQuorvoDlg*)> act)
{
    QTimer::singleShot(0, [act = std::move(act)] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* wizard = qobject_cast<CQuorvoDlg*>(window); wizard && wizard->isVisible()) {
                act(wizard);
                return;
            }
        }
        act(nullptr);
    });
}

TEST_F(StartUp, FirstRunMakesBothFoldersAndCopiesTheSampleOfTheStartFolder)
{
    putSampleInStartFolder("sample from the start folder");
    CQuorvoApp app(platform);

    ASSERT_TRUE(app.prepareFolders());

    const QString dataFolder = QString::fromStdString(data.path());
    EXPECT_EQ(platform.madeFolders(),
              QStringList({dataFolder + "/mirelight", dataFolder + "/mirelight/tickerkit"}));
    EXPECT_EQ(readBytes(workFolder() + "tkbackground.jpg"), "sample from the start folder");
}

TEST_F(StartUp, FirstRunFromAnyOtherFolderGetsTheCompiledInSample)
{
    CQuorvoApp app(platform);

    ASSERT_TRUE(app.prepareFolders());

    const std::string copied = readBytes(workFolder() + "tkbackground.jpg");
    EXPECT_EQ(copied, readBytes(sampleInRepository));
    EXPECT_EQ(copied.substr(0, 2), "\xFF\xD8") << "not a JPEG";
}

TEST_F(StartUp, LaterRunsCopyNothingEvenWhenTheSampleWasDeleted)
{
    std::filesystem::create_directories(workFolder());
    putSampleInStartFolder("sample");
    CQuorvoApp app(platform);

    ASSERT_TRUE(app.prepareFolders());

    EXPECT_TRUE(platform.madeFolders().isEmpty());
    EXPECT_TRUE(platform.copies().isEmpty());
    EXPECT_FALSE(std::filesystem::exists(workFolder() + "tkbackground.jpg"));
}

TEST_F(StartUp, ADataFolderThatDoesNotExistYetIsMadeLevelByLevel)
{
    const std::string freshData = data.path() + "/home/.local/share";
    platform.setDataFolder(QString::fromStdString(freshData + "/"));
    CQuorvoApp app(platform);

    ASSERT_TRUE(app.prepareFolders());

    EXPECT_TRUE(std::filesystem::is_directory(freshData + "/mirelight/tickerkit"));
}

TEST_F(StartUp, FailuresTellTheUserAndStopBeforeTheWizard)
{
    struct Case
    {
        const char* situation;
        bool makeFolderFails;
        bool workFolderReadOnly;
        bool workFolderExists;
        const char* message;
    };
    const Case cases[] = {
        {"no folder can be made", true, false, false,
         "File Error No:2 !\n\"DATA/mirelight\": the folder was not made."},
        {"the working folder exists but is read-only", false, true, true,
         "File Error No:2 !\n\"DATA/mirelight/tickerkit\": the folder exists but cannot be written to."},
        {"the new working folder is read-only", false, true, false,
         "File Error No:1 !\n\"DATA/mirelight/tickerkit\": the folder cannot be written to."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        TemporaryFolder caseData;
        const std::string caseWork = caseData.path() + "/mirelight/tickerkit/";
        if (c.workFolderExists)
            std::filesystem::create_directories(caseWork);
        FakePlatform casePlatform;
        casePlatform.setCurrentFolder(QString::fromStdString(start.path()));
        casePlatform.setDataFolder(QString::fromStdString(caseData.path()));
        casePlatform.setMakeFolderFails(c.makeFolderFails);
        if (c.workFolderReadOnly)
            casePlatform.setReadOnlyFolder(QString::fromStdString(caseWork));
        casePlatform.expectMessage(
            QString(c.message).replace("DATA", QString::fromStdString(caseData.path())));

        bool wizardShown = false;
        onShownWizard([&](CQuorvoDlg* wizard) {
            wizardShown = wizard != nullptr;
            if (wizard != nullptr)
                wizard->close();
        });
        EXPECT_EQ(CQuorvoApp(casePlatform).run(), 1);
        QCoreApplication::processEvents();
        EXPECT_FALSE(wizardShown);
        EXPECT_FALSE(std::filesystem::exists(caseWork + "tkbackground.jpg"));
    }
}

TEST_F(StartUp, RunShowsTheWizardOnTheWorkingFolderAndEndsWhenItCloses)
{
    CQuorvoApp app(platform);
    QString caption;
    std::string wizardWorkFolder;
    std::string wizardStartFolder;
    bool blocksOtherWindows = true;
    onShownWizard([&](CQuorvoDlg* wizard) {
        ASSERT_NE(wizard, nullptr);
        caption = wizard->windowTitle();
        wizardWorkFolder = wizard->record().workFolder;
        wizardStartFolder = wizard->record().startFolder;
        // The preview window must stay usable beside the wizard.
        blocksOtherWindows = wizard->isModal() || QApplication::activeModalWidget() != nullptr;
        wizard->close();
    });

    EXPECT_EQ(app.run(), 0);

    EXPECT_FALSE(blocksOtherWindows);
    EXPECT_EQ(caption, "Marquetto v2.3");
    EXPECT_EQ(wizardWorkFolder, workFolder());
    EXPECT_EQ(wizardStartFolder, start.path());
}

TEST_F(StartUp, AProjectNamedAtStartIsOpenWhenTheWizardShows)
{
    // Named relative to the folder the program starts in, as a shell passes it.
    writeBytes(start.path() + "/named.tkp", "#%#qvo-nameoftext=from_argument_endof-qvo-nameoftext#%#"
                                            "#%#qvo-width=333endof-qvo-width#%#");
    CQuorvoApp app(platform, {}, QStringLiteral("named.tkp"));
    QString shownName;
    ProjectRecord seen;
    onShownWizard([&](CQuorvoDlg* wizard) {
        ASSERT_NE(wizard, nullptr);
        auto* nameEdit = findWidget<QLineEdit>(wizard, "nameEdit");
        ASSERT_NE(nameEdit, nullptr);
        shownName = nameEdit->text();
        seen = wizard->record();
        wizard->close();
    });

    EXPECT_EQ(app.run(), 0);

    EXPECT_EQ(shownName, "from_argument_");
    EXPECT_EQ(seen.width, "333");
    EXPECT_EQ(seen.projectPath, start.path() + "/named.tkp") << "Save Project writes back to it";
    EXPECT_EQ(seen.projectUntitled, 2);
}

TEST_F(StartUp, AProjectThatCannotBeReadAtStartIsReportedAndTheDefaultIsUsed)
{
    const std::string missing = start.path() + "/missing.tkp";
    platform.expectMessageContaining(QString::fromStdString(missing));
    CQuorvoApp app(platform, {}, QString::fromStdString(missing));
    QString shownName;
    ProjectRecord seen;
    onShownWizard([&](CQuorvoDlg* wizard) {
        ASSERT_NE(wizard, nullptr);
        shownName = findWidget<QLineEdit>(wizard, "nameEdit")->text();
        seen = wizard->record();
        wizard->close();
    });

    EXPECT_EQ(app.run(), 0);

    EXPECT_EQ(shownName, "scroller_");
    EXPECT_EQ(seen.width, "180");
    EXPECT_EQ(seen.projectUntitled, 1) << "the first Save Project asks for a file name";
    EXPECT_NE(seen.projectPath, missing);
}

TEST_F(StartUp, AFileNamedAtStartThatIsNotAProjectIsReportedAndTheDefaultIsUsed)
{
    const std::string wide = start.path() + "/wide.tkp";
    writeBytes(wide, std::string("\xFE\xFF\0#\0%\0#", 8));
    platform.expectMessageContaining(
        QString::fromStdString("\"" + wide + "\": is not a Marquetto project: it is UTF-16BE text"));
    CQuorvoApp app(platform, {}, QString::fromStdString(wide));
    ProjectRecord seen;
    onShownWizard([&](CQuorvoDlg* wizard) {
        ASSERT_NE(wizard, nullptr);
        seen = wizard->record();
        wizard->close();
    });

    EXPECT_EQ(app.run(), 0);

    EXPECT_EQ(seen.scrollerName, "scroller_");
    EXPECT_EQ(seen.projectUntitled, 1) << "the first Save Project asks for a file name";
    EXPECT_NE(seen.projectPath, wide);
}

TEST_F(StartUp, AFifoNamedAtStartIsRefusedAtOnceAndTheDefaultIsUsed)
{
    const UnwrittenFifo fifo(start.path() + "/pipe.tkp");
    platform.expectMessage(
        QString::fromStdString("\"" + fifo.path() + "\": is a named pipe (FIFO), not a regular file."));
    CQuorvoApp app(platform, {}, QStringLiteral("pipe.tkp"));
    QString shownName;
    onShownWizard([&](CQuorvoDlg* wizard) {
        ASSERT_NE(wizard, nullptr);
        shownName = findWidget<QLineEdit>(wizard, "nameEdit")->text();
        wizard->close();
    });

    EXPECT_EQ(app.run(), 0);

    EXPECT_FALSE(fifo.freed()) << "the program waited on the FIFO";
    EXPECT_EQ(shownName, "scroller_");
}

// The first level that could not be made carries the real reason; the levels after it fail only because
// it is missing.
TEST(StartUpOnTheSystem, TheErrorNumberIsFollowedByTheFolderAndTheSystemsReason)
{
    TemporaryFolder home;
    writeBytes(home.file("data"), "a file where the data folder should be");
    const ScopedEnvironment dataHome("XDG_DATA_HOME", home.file("data"));
    QtPlatform platform;
    QString shown;
    onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        box->accept();
    });

    EXPECT_FALSE(CQuorvoApp(platform).prepareFolders());

    EXPECT_EQ(shown.toStdString(), "File Error No:2 !\n\"" + home.file("data") +
                                       "/mirelight\": the folder could not be created: Not a directory.");
}

} // namespace
