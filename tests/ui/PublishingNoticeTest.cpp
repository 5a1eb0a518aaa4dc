#include "tests/ui/WizardHarness.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

namespace {

// The default design gives no findings; an empty name and empty timings give three, each of two lines
// at the default font.
TEST(PublishingNotice, ThreeFindingsShowWithoutScrollingAndTheSnippetKeepsItsPlace)
{
    WizardHarness harness;
    harness.wizard().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    harness.goToStep(4);
    QWidget* snippetGroup = harness.find<QPlainTextEdit>("snippetEdit")->parentWidget();
    auto* findings = harness.find<QListWidget>("findingsList");
    EXPECT_FALSE(findings->isVisible());
    const QRect clean = snippetGroup->geometry();

    harness.goToStep(0);
    harness.typeInto("nameEdit", "");
    harness.goToStep(3);
    harness.typeInto("scrollDelayEdit", "");
    harness.typeInto("pauseEdit", "");
    harness.goToStep(4);
    ASSERT_TRUE(findings->isVisible());
    ASSERT_EQ(findings->count(), 3);
    QApplication::processEvents();
    findings->doItemsLayout();
    EXPECT_EQ(findings->verticalScrollBar()->maximum(), 0) << "three findings need scrolling";
    EXPECT_EQ(snippetGroup->geometry(), clean) << "the snippet moved when findings came";
}

} // namespace
