#include "tests/support/FileBytes.h"
#include "tests/support/NextModal.h"
#include "tests/support/SampleFeeds.h"
#include "tests/ui/WizardHarness.h"

#include <QAbstractButton>
#include <QTest>

#include <gtest/gtest.h>

// Import... inside the whole wizard: what it brings in is a change of the design like any other.
namespace {

TEST(WizardImport, ImportedMessagesAreUnsavedChangesUntilSavedAndACancelIsNone)
{
    const struct
    {
        const char* name;
        const char* button;
        bool changed;
    } cases[] = {
        {"OK", "okButton", true},
        {"Cancel", "cancelButton", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WizardHarness harness;
        writeBytes(harness.folder.file("harbour.rss"), harbourFeed);
        harness.goToStep(3);
        ASSERT_FALSE(harness.wizard().commands().hasUnsavedChanges());
        harness.platform.expectOpenFileName(harness.path("harbour.rss"));
        onNextModal([button = c.button](QWidget* dialog) {
            ASSERT_NE(dialog, nullptr);
            QTest::mouseClick(findWidget<QAbstractButton>(dialog, button), Qt::LeftButton);
        });
        harness.click("importButton");
        EXPECT_EQ(harness.wizard().commands().hasUnsavedChanges(), c.changed);
        EXPECT_EQ(harness.record().message(0).title, c.changed ? "Ferry timetable" : "What's New");

        if (c.changed) {
            harness.platform.expectSaveFileName(harness.path("imported.tkp"));
            harness.click("saveProjectButton");
            EXPECT_FALSE(harness.wizard().commands().hasUnsavedChanges());
        }
    }
}

} // namespace
