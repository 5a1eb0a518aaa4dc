#include "tests/support/FileBytes.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/support/RecordingStepPage.h"
#include "tests/support/WidthWarning.h"
#include "tests/ui/WizardHarness.h"
#include "ui/CAboutDlg.h"
#include "ui/StepPage.h"
#include "ui/uc.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace {

// A wizard whose four first pages only write into `log`.
class RecordingWizard : public testing::Test
{
protected:
    RecordingWizard()
        : harness([this](int step, ProjectRecord& record, Platform& platform, QWidget* parent) -> StepPage* {
              return new RecordingStepPage(step, log, record, platform, parent);
          })
    {}

    QStringList takeLog() { return std::exchange(log, {}); }

    QStringList log;
    WizardHarness harness;
};

bool exists(const std::string& path)
{
    return std::filesystem::exists(path);
}

TEST_F(RecordingWizard, OpensOnStepOneWithEveryPageLoadedInTheReadersOrder)
{
    EXPECT_EQ(takeLog(), QStringList({"load Step 2", "load Step 4", "load Step 1", "load Step 3"}));
    EXPECT_EQ(harness.tabs()->currentIndex(), 0);
    EXPECT_EQ(harness.record().currentStep, 0);
    EXPECT_EQ(harness.visiblePage(), 0);
    EXPECT_EQ(harness.record().scrollerName, "scroller_");
    EXPECT_EQ(harness.record().projectUntitled, 1);
    EXPECT_EQ(harness.record().projectPath, " ");
}

TEST_F(RecordingWizard, LeavingAStepHandsOverOnlyThatPage)
{
    takeLog();
    const struct
    {
        int to;
        const char* flushed;
    } moves[] = {{2, "flush Step 1"}, {1, "flush Step 3"}, {3, "flush Step 2"}, {0, "flush Step 4"}};
    for (const auto& move : moves) {
        SCOPED_TRACE(move.to);
        harness.goToStep(move.to);
        EXPECT_EQ(takeLog(), QStringList{move.flushed});
        EXPECT_EQ(harness.record().currentStep, move.to);
        EXPECT_EQ(harness.visiblePage(), move.to);
    }
}

TEST_F(RecordingWizard, EnteringStepFiveHandsOverEveryPageThenGenerates)
{
    harness.goToStep(1);
    takeLog();
    ASSERT_FALSE(exists(harness.workFile("preview.html")));

    harness.goToStep(4);

    EXPECT_EQ(takeLog(),
              QStringList({"flush Step 2", "flush Step 2", "flush Step 4", "flush Step 1", "flush Step 3"}));
    EXPECT_EQ(harness.visiblePage(), 4);
    for (const char* name :
         {"preview.html", "scroller_newstic.html", "scroller_newsticie.js", "scroller_newsticns6.js"})
        EXPECT_TRUE(exists(harness.workFile(name))) << name;
    EXPECT_EQ(harness.find<QPlainTextEdit>("snippetEdit")->toPlainText(),
              "<iframe width=\"180\" height=\"215\" src=\"scroller_newstic.html\" SCROLLING=\"no\" "
              "FRAMEBORDER=\"0\" border=0></iframe>");
    EXPECT_EQ(harness.find<QPlainTextEdit>("generatedFilesEdit")->toPlainText(),
              "scroller_newstic.html\nscroller_newsticie.js\nscroller_newsticns6.js");
}

TEST_F(RecordingWizard, LeavingStepFiveHandsNothingOver)
{
    harness.goToStep(4);
    takeLog();
    harness.goToStep(2);
    EXPECT_TRUE(takeLog().isEmpty());
    EXPECT_EQ(harness.visiblePage(), 2);
}

TEST_F(RecordingWizard, SavingHandsOverThePagesInTheSameOrderAsGeneration)
{
    takeLog();
    harness.platform.expectSaveFileName(std::nullopt);
    harness.click("saveProjectButton");
    EXPECT_EQ(takeLog(), QStringList({"flush Step 2", "flush Step 4", "flush Step 1", "flush Step 3"}));

    harness.platform.expectSaveFileName(std::nullopt);
    harness.click("saveProjectAsButton");
    EXPECT_TRUE(takeLog().isEmpty()) << "Save Project As flushes only once it has a name";
}

TEST(WizardFrame, AGenerationFailureLeavesStepFiveOverAnEmptyFrame)
{
    TemporaryFolder missing;
    const std::string workFolder = missing.path() + "/gone/";
    QStringList log;
    WizardHarness harness(workFolder,
                          [&](int step, ProjectRecord& record, Platform& platform, QWidget* parent) {
                              return new RecordingStepPage(step, log, record, platform, parent);
                          });
    harness.goToStep(3);
    harness.platform.expectMessageContaining(QString::fromStdString(workFolder + "preview.html"));

    harness.goToStep(4);

    EXPECT_EQ(harness.tabs()->currentIndex(), 4);
    EXPECT_EQ(harness.record().currentStep, 4);
    EXPECT_EQ(harness.visiblePage(), -1);
    EXPECT_TRUE(harness.find<QPlainTextEdit>("snippetEdit")->toPlainText().isEmpty());

    log.clear();
    harness.goToStep(1);
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(harness.visiblePage(), 1);
}

TEST(WizardFrame, StepTwoStraightToStepFiveWarnsAboutAnEmptyWidthTwiceAndStillGenerates)
{
    WizardHarness harness;
    harness.goToStep(1);
    harness.typeInto("widthEdit", "");
    harness.platform.expectMessage(widthMessage);
    harness.platform.expectMessage(widthMessage);

    harness.goToStep(4);

    EXPECT_EQ(harness.visiblePage(), 4);
    EXPECT_EQ(harness.record().width, "");
    EXPECT_TRUE(
        harness.find<QPlainTextEdit>("snippetEdit")->toPlainText().startsWith("<iframe width=\"\" height"));
}

TEST(WizardFrame, EnteringStepFiveGeneratesFromWhatThePagesShow)
{
    WizardHarness harness;
    harness.typeInto("nameEdit", "first_");
    harness.goToStep(4);
    EXPECT_TRUE(exists(harness.workFile("first_newstic.html")));

    harness.goToStep(0);
    harness.typeInto("nameEdit", "second_");
    harness.goToStep(4);
    EXPECT_TRUE(exists(harness.workFile("second_newstic.html")));
    EXPECT_TRUE(exists(harness.workFile("first_newstic.html"))) << "files of an earlier name stay";
    EXPECT_EQ(harness.find<QPlainTextEdit>("generatedFilesEdit")->toPlainText(),
              "second_newstic.html\nsecond_newsticie.js\nsecond_newsticns6.js");
}

TEST(WizardFrame, LeavingStepFiveKeepsTheRecordAsItIs)
{
    WizardHarness harness;
    for (int step = 0; step < CQuorvoDlg::publishingStep; ++step) {
        SCOPED_TRACE(step);
        harness.goToStep(4);
        // The pages still show the default design; any flush on the way out would put it back.
        harness.record().scrollerName = "changed_";
        harness.record().width = "999";
        harness.record().textFontSize = "77";
        harness.record().effectStyle = 1;
        harness.goToStep(step);
        EXPECT_EQ(harness.record().scrollerName, "changed_");
        EXPECT_EQ(harness.record().width, "999");
        EXPECT_EQ(harness.record().textFontSize, "77");
        EXPECT_EQ(harness.record().effectStyle, 1);
    }
}

TEST(WizardFrame, EnterAndEscapeLeaveTheWizardOpenAndPressNothing)
{
    WizardHarness harness;
    harness.wizard().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    for (const char* focused : {"nameEdit", "saveProjectButton", "openProjectButton", "exitButton"}) {
        SCOPED_TRACE(focused);
        QWidget* widget = harness.find<QWidget>(focused);
        widget->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(widget, key);
        EXPECT_TRUE(harness.wizard().isVisible());
    }
    EXPECT_EQ(harness.wizard().result(), 0);
}

TEST(WizardFrame, ExitAfterOnlyLookingAtEveryStepAsksNothing)
{
    WizardHarness harness;
    harness.wizard().show();
    for (int step : {1, 2, 3, 4, 0, 3})
        harness.goToStep(step);
    harness.click("exitButton");
    EXPECT_FALSE(harness.wizard().isVisible());
}

TEST(WizardFrame, ClosingAnEditedDesignAsksWhetherToSaveIt)
{
    using Answer = Platform::SaveChangesAnswer;
    struct Case
    {
        const char* situation;
        Answer answer;
        std::optional<QString> saveDialogAnswer;
        bool closes;
        bool written;
    };
    WizardHarness paths;
    const Case cases[] = {
        {"cancel", Answer::Cancel, std::nullopt, false, false},
        {"discard", Answer::Discard, std::nullopt, true, false},
        {"save, then cancel the file dialog", Answer::Save, std::nullopt, false, false},
        {"save into a file", Answer::Save, paths.path("kept.tkp"), true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        std::filesystem::remove(paths.folder.file("kept.tkp"));
        WizardHarness harness;
        harness.wizard().show();
        harness.goToStep(1);
        harness.typeInto("heightEdit", "321");
        harness.platform.expectSaveChangesQuestion(c.answer);
        if (c.answer == Answer::Save)
            harness.platform.expectSaveFileName(c.saveDialogAnswer);
        // The title bar's close box and Alt+F4 reach the wizard as a close request.
        harness.wizard().close();
        harness.platform.verify();
        EXPECT_EQ(harness.wizard().isVisible(), !c.closes);
        EXPECT_EQ(harness.find<QLineEdit>("heightEdit")->text(), "321") << "the typed value was lost";
        EXPECT_EQ(std::filesystem::exists(paths.folder.file("kept.tkp")), c.written);
        if (c.written) {
            EXPECT_NE(readBytes(paths.folder.file("kept.tkp")).find("321"), std::string::npos);
        }
    }
}

TEST(WizardFrame, ExitAfterSavingAsksNothingUntilTheNextEdit)
{
    WizardHarness harness;
    harness.wizard().show();
    harness.typeInto("nameEdit", "saved_");
    harness.platform.expectSaveFileName(harness.path("saved.tkp"));
    harness.click("saveProjectButton");
    harness.platform.verify();

    harness.typeInto("nameEdit", "again_");
    harness.platform.expectSaveChangesQuestion(Platform::SaveChangesAnswer::Cancel);
    harness.click("exitButton");
    harness.platform.verify();
    EXPECT_TRUE(harness.wizard().isVisible());

    harness.typeInto("nameEdit", "saved_");
    harness.click("exitButton");
    EXPECT_FALSE(harness.wizard().isVisible())
        << "a design typed back to what was saved still counted as changed";
}

TEST(WizardFrame, IsAFixedSizeWindowWithMinimiseButAnyMaximise)
{
    WizardHarness harness;
    CQuorvoDlg& wizard = harness.wizard();
    wizard.show();
    EXPECT_EQ(wizard.windowTitle(), "Marquetto v2.3");
    EXPECT_EQ(wizard.minimumSize(), wizard.maximumSize());
    EXPECT_TRUE(wizard.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(wizard.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(wizard.windowIcon().isNull());
    QStringList captions;
    for (int i = 0; i < harness.tabs()->count(); ++i)
        captions << harness.tabs()->tabText(i);
    EXPECT_EQ(captions, QStringList({"Step 1", "Step 2", "Step 3", "Step 4", "Step 5"}));
    // Every page has the same size, whole inside the frame that the tabs switch.
    QWidget* frame = harness.find<QWidget>("pageFrame");
    std::vector<QWidget*> pages = {wizard.publishingPage()};
    for (int step = 0; step < CQuorvoDlg::stepCount - 1; ++step)
        pages.push_back(wizard.stepPage(step));
    for (QWidget* page : pages) {
        EXPECT_EQ(page->parentWidget(), frame);
        EXPECT_EQ(page->size(), pages.front()->size());
        EXPECT_TRUE(frame->rect().contains(page->geometry())) << page->metaObject()->className();
    }
    EXPECT_TRUE(wizard.rect().contains(QRect(frame->mapTo(&wizard, QPoint(0, 0)), frame->size())));
}

TEST(WizardFrame, F1AndTheContextMenuOpenTheAboutBox)
{
    WizardHarness harness;
    harness.wizard().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    QStringList opened;
    const auto closeAbout = [&](QWidget* modal) {
        auto* about = qobject_cast<CAboutDlg*>(modal);
        ASSERT_NE(about, nullptr);
        opened << about->windowTitle();
        QTest::mouseClick(findWidget<QPushButton>(about, "okButton"), Qt::LeftButton);
    };

    onNextModal(closeAbout);
    QTest::keyClick(&harness.wizard(), Qt::Key_F1);

    QStringList menuEntries;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions())
            menuEntries << action->text();
        onNextModal(closeAbout);
        menu->actions().constFirst()->trigger();
        menu->close();
    });
    const QPoint inside(20, 10);
    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, inside, harness.tabs()->mapToGlobal(inside));
    QApplication::sendEvent(harness.tabs(), &rightClick);
    QApplication::processEvents();

    EXPECT_EQ(menuEntries, QStringList{"&About Quorvo..."});
    EXPECT_EQ(opened, QStringList({"Marquetto", "Marquetto"}));
}

TEST(WizardFrame, AFindingOnStepFiveLeadsToTheStepWhereItIsFixed)
{
    WizardHarness harness;
    harness.wizard().show();
    harness.goToStep(2);
    harness.typeInto("fontSizeEdit", "0");
    harness.goToStep(CQuorvoDlg::publishingStep);
    ASSERT_EQ(harness.visiblePage(), CQuorvoDlg::publishingStep);

    auto* list = harness.find<QListWidget>("findingsList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith("Step 3, Font size: \"0\" is a font size of 0"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    EXPECT_EQ(harness.visiblePage(), 2);
    EXPECT_EQ(harness.record().textFontSize, "0") << "the check changes nothing";
}

} // namespace
