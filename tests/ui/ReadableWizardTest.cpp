#include "feed/FeedImport.h"
#include "tests/support/CutTexts.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/support/SampleFeeds.h"
#include "tests/support/TemporaryFolder.h"
#include "tests/ui/WizardHarness.h"
#include "ui/FeedImportDialog.h"
#include "ui/StepPage.h"
#include "ui/addbox.h"
#include "ui/uc.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

// What a user with an ordinary desktop font and a screen reader meets: every text can be read whole,
// every control says what it is, and the keyboard lands where typing is expected.
namespace {

QString accessibleName(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

QString labelledBy(QWidget* widget)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (face == nullptr)
        return {};
    for (const auto& [other, relation] : face->relations(QAccessible::Label))
        return other->text(QAccessible::Name);
    return {};
}

class AtFontSize : public testing::TestWithParam<int>
{
protected:
    AtFontSize() : previous_(QApplication::font())
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(GetParam());
        QApplication::setFont(font);
    }
    ~AtFontSize() override { QApplication::setFont(previous_); }

private:
    QFont previous_;
};

TEST_P(AtFontSize, NoPageCutsAnyText)
{
    WizardHarness harness;
    harness.wizard().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    for (int step = 0; step < CQuorvoDlg::stepCount; ++step) {
        SCOPED_TRACE(step + 1);
        harness.goToStep(step);
        QWidget* page = step == CQuorvoDlg::publishingStep
                            ? static_cast<QWidget*>(harness.wizard().publishingPage())
                            : harness.wizard().stepPage(step);
        EXPECT_EQ(cutTexts(page), "");
    }
}

TEST_P(AtFontSize, TheMessageEditorCutsNoText)
{
    WizardHarness harness;
    addbox editor(harness.record(), &harness.wizard());
    editor.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editor));
    EXPECT_EQ(cutTexts(&editor), "");
}

TEST_P(AtFontSize, TheImportDialogCutsNoText)
{
    WizardHarness harness;
    auto items = FeedImport::items(harbourFeed);
    ASSERT_TRUE(items.ok());
    FeedImportDialog dialog(std::move(items.value()), "harbour news.rss", 3, &harness.wizard());
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    EXPECT_EQ(cutTexts(&dialog), "");
}

INSTANTIATE_TEST_SUITE_P(Points, AtFontSize, testing::Values(9, 10, 11, 12));

TEST(ReadableWizard, TheFrameKeepsItsSizeWhenNoPageIsShown)
{
    TemporaryFolder missing;
    WizardHarness harness(missing.path() + "/gone/", &CQuorvoDlg::makeStepPage);
    harness.wizard().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
    const QSize before = harness.wizard().size();
    harness.platform.expectMessageContaining("preview.html");
    harness.goToStep(CQuorvoDlg::publishingStep);
    ASSERT_EQ(harness.visiblePage(), -1);
    QApplication::processEvents();
    EXPECT_EQ(harness.wizard().size(), before);
}

TEST(ReadableWizard, EveryControlIsNamedByItsOwnCaption)
{
    WizardHarness harness;
    const struct
    {
        const char* objectName;
        const char* name;
    } named[] = {
        {"accessibleBoxCheck", "Accessible box (pause button, keyboard, reduced motion)"},
        {"rightToLeftCheck", "Right-to-left text"},
        {"fitPageWidthCheck", "Fit the page width"},
        {"lightMotionCheck", "Light motion"},
        {"liveMessagesCheck", "Live messages"},
        {"liveSecondsEdit", "Live messages every"},
        {"widthEdit", "Width :"},
        {"heightEdit", "Height :"},
        {"spaceEdit", "Space :"},
        {"topMarginEdit", "Top margin :"},
        {"bottomMarginEdit", "Bottom margin :"},
        {"leftMarginEdit", "Left margin :"},
        {"rightMarginEdit", "Right margin :"},
        {"imageXEdit", "Image X position :"},
        {"bgColorSwatch", "Background color : #FFFFFF"},
        {"textColorSwatch", "Text color : #000000"},
        {"textHoverColorSwatch", "Mouse over text color : #8E0606"},
        {"titleColorSwatch", "Title color : #414A76"},
        {"fontSizeEdit", "Font size :"},
        {"titleFontSizeEdit", "Title font size :"},
        {"lineHeightEdit", "Line height :"},
        {"titleLineHeightEdit", "Title line height :"},
        {"borderWidthEdit", "Border width :"},
        {"textUseCustomCheck", "Use this :"},
        {"scrollDelayEdit", "Scroll delay :"},
        {"pauseEdit", "Pause :"},
        {"messageList", "Messages"},
        {"generatedFilesEdit", "Generated files :"},
    };
    for (const auto& control : named) {
        SCOPED_TRACE(control.objectName);
        EXPECT_EQ(accessibleName(harness.find<QWidget>(control.objectName)), control.name);
    }

    const struct
    {
        const char* objectName;
        const char* caption;
    } lists[] = {
        {"textFontCombo", "Text Font type :"},
        {"titleFontCombo", "Title font type :"},
        {"textStyleCombo", "Text style :"},
        {"textHoverDecorationCombo", "Mouse over text decoration :"},
        {"titleHoverDecorationCombo", "Title mouse over text decoration :"},
        {"borderStyleCombo", "Border style :"},
        {"styleCombo", "Style :"},
        {"speedCombo", "Transition speed :"},
    };
    for (const auto& list : lists) {
        SCOPED_TRACE(list.objectName);
        EXPECT_EQ(labelledBy(harness.find<QWidget>(list.objectName)), list.caption);
    }
}

TEST(ReadableWizard, ASwatchAnnouncesTheColourJustChosen)
{
    WizardHarness harness;
    harness.goToStep(1);
    harness.platform.expectColor(QColor(0x12, 0xAB, 0xEF));
    QTest::mouseClick(harness.find<QAbstractButton>("bgColorSwatch"), Qt::LeftButton);
    EXPECT_EQ(accessibleName(harness.find<QWidget>("bgColorSwatch")), "Background color : #12ABEF");
}

TEST(ReadableWizard, TheMessageEditorNamesItsFourFields)
{
    WizardHarness harness;
    addbox editor(harness.record(), &harness.wizard());
    EXPECT_EQ(accessibleName(findWidget<QWidget>(&editor, "titleEdit")), "Title :");
    EXPECT_EQ(accessibleName(findWidget<QWidget>(&editor, "textEdit")), "Text :");
    EXPECT_EQ(accessibleName(findWidget<QWidget>(&editor, "linkEdit")), "Link :");
    EXPECT_EQ(accessibleName(findWidget<QWidget>(&editor, "targetEdit")), "Target Frame :");
}

TEST(ReadableWizard, TheKeyboardLandsOnEachPagesFirstControl)
{
    WizardHarness harness;
    harness.wizard().show();
    QApplication::setActiveWindow(&harness.wizard());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.wizard()));
    // The default design ticks "Use this :" for its text font, which turns the font list off.
    const std::string first[] = {"nameEdit", "widthEdit", "textUseCustomCheck", "messageList",
                                 "previewButton"};
    const auto focused = [] {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                           : "nothing";
    };
    EXPECT_EQ(focused(), first[0]) << "at start-up";
    for (int step : {1, 2, 3, 4, 0}) {
        SCOPED_TRACE(step + 1);
        harness.goToStep(step);
        EXPECT_EQ(focused(), first[step]);
    }
    QTest::keyClicks(QApplication::focusWidget(), "typed_");
    EXPECT_EQ(harness.find<QLineEdit>("nameEdit")->text(), "typed_")
        << "what was typed did not reach the name";
}

} // namespace
