#include "tests/support/DefaultDesign.h"
#include "tests/support/ProjectFile.h"
#include "tests/ui/WizardHarness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

#include <functional>

namespace {

// The wizard says that its design changed for every kind of edit on Steps 1 to 4, and the design in view
// holds the edit before the page is left, without the checks that leaving the page makes.
TEST(WizardDesignChange, EveryKindOfEditIsReportedAndIsInTheDesignInView)
{
    const struct
    {
        const char* edit;
        int step;
        std::function<void(WizardHarness&)> make;
        std::function<bool(const ProjectRecord&)> holds;
    } cases[] = {
        {"a width typed", 1, [](WizardHarness& h) { h.typeInto("widthEdit", "0"); },
         [](const ProjectRecord& d) { return d.width == "0"; }},
        {"a colour chosen", 1,
         [](WizardHarness& h) {
             h.platform.expectColor(QColor(0x12, 0x34, 0x56));
             QTest::mouseClick(h.find<QWidget>("bgColorSwatch"), Qt::LeftButton);
         },
         [](const ProjectRecord& d) { return d.bgColor.red == 0x12 && d.bgColor.blue == 0x56; }},
        {"the border colour chosen", 2,
         [](WizardHarness& h) {
             h.platform.expectColor(QColor(0x65, 0x43, 0x21));
             QTest::mouseClick(h.find<QWidget>("borderColorSwatch"), Qt::LeftButton);
         },
         [](const ProjectRecord& d) { return d.borderColor.red == 0x65 && d.borderColor.blue == 0x21; }},
        {"a box name typed", 0, [](WizardHarness& h) { h.typeInto("nameEdit", "news_"); },
         [](const ProjectRecord& d) { return d.scrollerName == "news_"; }},
        {"a tick box clicked", 0,
         [](WizardHarness& h) { QTest::mouseClick(h.find<QCheckBox>("accessibleBoxCheck"), Qt::LeftButton); },
         [](const ProjectRecord& d) { return d.accessibleBox == ProjectRecord::ticked; }},
        {"a choice made", 2,
         [](WizardHarness& h) {
             auto* combo = h.find<QComboBox>("alignmentCombo");
             combo->setFocus();
             QTest::keyClick(combo, Qt::Key_Down);
         },
         [](const ProjectRecord& d) { return d.alignment == 1; }},
        {"a message deleted", 3,
         [](WizardHarness& h) {
             h.find<QListWidget>("messageList")->setCurrentRow(0);
             h.click("deleteButton");
         },
         [](const ProjectRecord& d) { return d.messageCount() == 2; }},
        {"a message moved", 3,
         [](WizardHarness& h) {
             h.find<QListWidget>("messageList")->setCurrentRow(1);
             h.click("moveUpButton");
         },
         [](const ProjectRecord& d) { return d.messageTexts()[0] == defaultDesign().messageTexts()[1]; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edit);
        WizardHarness h;
        h.goToStep(c.step);
        const ProjectRecord before = h.wizard().designInView();
        ASSERT_FALSE(c.holds(before));
        QSignalSpy changed(&h.wizard(), &CQuorvoDlg::designChanged);
        c.make(h);
        EXPECT_GE(changed.count(), 1);
        EXPECT_TRUE(c.holds(h.wizard().designInView()));
        // A width of 0 warns only when the page is left, as before.
        h.platform.verify();
    }
}

TEST(WizardDesignChange, WalkingThroughTheStepsIsNoChangeAndReadingAProjectIs)
{
    WizardHarness h;
    QSignalSpy changed(&h.wizard(), &CQuorvoDlg::designChanged);
    for (int step : {1, 2, 3, 4, 0})
        h.goToStep(step);
    EXPECT_EQ(changed.count(), 0);

    h.typeInto("nameEdit", "other_");
    ASSERT_TRUE(
        h.wizard().commands().openProjectFile(QString::fromStdString(testData("default-written.tkp"))));
    EXPECT_GE(changed.count(), 2);
    EXPECT_EQ(h.wizard().designInView().scrollerName, "scroller_");
}

} // namespace
