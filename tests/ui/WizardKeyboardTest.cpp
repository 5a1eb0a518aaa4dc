#include "tests/support/NextModal.h"
#include "tests/ui/WizardHarness.h"
#include "ui/DigitsField.h"
#include "ui/FieldHint.h"
#include "ui/LineFieldValidator.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

std::string focusedName()
{
    const QWidget* focused = QApplication::focusWidget();
    return focused ? focused->objectName().toStdString() : "nothing";
}

// A wizard shown and active, so that keys reach the focused control as they do for a user.
class KeyboardWizard : public testing::Test
{
protected:
    KeyboardWizard()
    {
        harness.wizard().show();
        QApplication::setActiveWindow(&harness.wizard());
        EXPECT_TRUE(QTest::qWaitForWindowActive(&harness.wizard()));
    }

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }

    // The controls that Tab visits, starting at the step tabs, until it comes round to them again.
    std::vector<std::string> tabRound()
    {
        harness.tabs()->setFocus(Qt::TabFocusReason);
        std::vector<std::string> visited{focusedName()};
        for (int presses = 0; presses < 40; ++presses) {
            press(Qt::Key_Tab);
            if (focusedName() == "stepTabs")
                return visited;
            visited.push_back(focusedName());
        }
        ADD_FAILURE() << "Tab never came back to the step tabs";
        return visited;
    }

    WizardHarness harness;
};

// Reading order of each page, between the tab strip above and the buttons below. Greyed controls are
// passed by: in the default design both "Use this :" boxes are ticked (so both font lists are off),
// there is no background image (so no Browse...), no message is selected, the style is the scroller and live
// messages are off (so not their seconds).
TEST_F(KeyboardWizard, TabVisitsEveryPageInReadingOrder)
{
    const std::vector<std::string> buttons = {"exitButton", "saveProjectAsButton", "saveProjectButton"};
    const std::vector<std::vector<std::string>> pages = {
        {"aboutButton", "openProjectButton", "webSiteButton", "nameEdit", "accessibleBoxCheck",
         "rightToLeftCheck", "fitPageWidthCheck", "lightMotionCheck", "liveMessagesCheck"},
        {"widthEdit", "heightEdit", "spaceEdit", "topMarginEdit", "bottomMarginEdit", "leftMarginEdit",
         "rightMarginEdit", "bgColorSwatch", "textColorSwatch", "textHoverColorSwatch", "titleColorSwatch",
         "titleHoverColorSwatch", "bgImageCheck", "imageXEdit", "imageYEdit"},
        {"textUseCustomCheck", "textCustomFontEdit", "titleUseCustomCheck", "titleCustomFontEdit",
         "fontSizeEdit", "titleFontSizeEdit", "lineHeightEdit", "titleLineHeightEdit", "textStyleCombo",
         "titleStyleCombo", "textDecorationCombo", "textHoverDecorationCombo", "titleDecorationCombo",
         "titleHoverDecorationCombo", "alignmentCombo", "borderWidthEdit", "borderColorSwatch",
         "borderStyleCombo"},
        {"messageList", "addButton", "importButton", "styleCombo", "modeCombo", "scrollDelayEdit",
         "pauseEdit"},
        {"previewButton", "previewInBrowserButton", "copyButton", "snippetEdit", "copyFilesButton",
         "generatedFilesEdit"},
    };
    for (int step = 0; step < CQuorvoDlg::stepCount; ++step) {
        SCOPED_TRACE("Step " + std::to_string(step + 1));
        harness.goToStep(step);
        std::vector<std::string> expected{"stepTabs"};
        expected.insert(expected.end(), pages[step].begin(), pages[step].end());
        expected.insert(expected.end(), buttons.begin(), buttons.end());
        EXPECT_EQ(tabRound(), expected);
    }
}

TEST_F(KeyboardWizard, StepKeysMoveBetweenStepsAsTheTabsDoAndGoRound)
{
    const struct
    {
        int key;
        Qt::KeyboardModifiers modifiers;
        int from;
        int to;
    } moves[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 0, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 1, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 2, 1},
        {Qt::Key_PageUp, Qt::ControlModifier, 1, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 0, 4},
        {Qt::Key_Tab, Qt::ControlModifier, 4, 0},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE("from Step " + std::to_string(move.from + 1));
        ASSERT_EQ(harness.record().currentStep, move.from);
        press(move.key, move.modifiers);
        EXPECT_EQ(harness.record().currentStep, move.to);
        EXPECT_EQ(harness.visiblePage(), move.to);
        EXPECT_TRUE(harness.wizard().isAncestorOf(QApplication::focusWidget()));
    }
}

TEST_F(KeyboardWizard, AStepKeyHandsThePageOverAndChecksTheWidthAsAClickDoes)
{
    harness.goToStep(1);
    harness.typeInto("widthEdit", "0");
    harness.platform.expectMessageContaining("Width of the text scroll");
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(harness.record().width, "0");
    EXPECT_EQ(harness.record().currentStep, 2);
}

TEST_F(KeyboardWizard, AStepKeyTypedInTheSnippetOrAListStillChangesTheStep)
{
    for (const char* name : {"snippetEdit", "messageList"}) {
        SCOPED_TRACE(name);
        harness.goToStep(std::string(name) == "snippetEdit" ? 4 : 3);
        harness.find<QWidget>(name)->setFocus();
        ASSERT_EQ(focusedName(), name);
        const int from = harness.record().currentStep;
        press(Qt::Key_Tab, Qt::ControlModifier);
        EXPECT_EQ(harness.record().currentStep, (from + 1) % CQuorvoDlg::stepCount);
    }
}

// Each operation leaves no message selected, which greys the button just pressed; the keyboard stays
// with the messages instead of going on to the "Style :" list.
TEST_F(KeyboardWizard, AfterAListOperationTheFocusStaysOnTheMessages)
{
    harness.goToStep(3);
    auto* list = harness.find<QListWidget>("messageList");
    auto* style = harness.find<QComboBox>("styleCombo");
    const int styleBefore = style->currentIndex();
    for (const char* button : {"moveDownButton", "moveUpButton", "editButton", "deleteButton"}) {
        SCOPED_TRACE(button);
        list->setCurrentRow(1);
        auto* pressed = harness.find<QPushButton>(button);
        pressed->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focusedName(), button);
        if (std::string(button) == "editButton")
            onNextModal([](QWidget* dialog) {
                ASSERT_NE(dialog, nullptr);
                QTest::mouseClick(findWidget<QPushButton>(dialog, "okButton"), Qt::LeftButton);
            });
        press(Qt::Key_Space);
        EXPECT_FALSE(pressed->isEnabled());
        // After the Edit dialog the wizard is active again only once the window system says so.
        QApplication::setActiveWindow(&harness.wizard());
        ASSERT_TRUE(QTest::qWaitForWindowActive(&harness.wizard()));
        EXPECT_EQ(focusedName(), "messageList");
        press(Qt::Key_Down);
        EXPECT_EQ(style->currentIndex(), styleBefore) << "an arrow key changed the style";
    }
}

TEST_F(KeyboardWizard, AMovedMessageKeepsTheListCursorButNotTheSelection)
{
    harness.goToStep(3);
    auto* list = harness.find<QListWidget>("messageList");
    const QString second = list->item(1)->text();
    const struct
    {
        const char* button;
        int from;
        int to;
    } moves[] = {{"moveUpButton", 1, 0}, {"moveDownButton", 0, 1}, {"moveDownButton", 2, 2}};
    for (const auto& move : moves) {
        SCOPED_TRACE(move.button);
        list->setCurrentRow(move.from);
        const QString moved = list->item(move.from)->text();
        harness.click(move.button);
        EXPECT_EQ(list->currentRow(), move.to);
        EXPECT_EQ(list->item(move.to)->text(), moved);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(harness.record().selectedMessage, -1);
    }
    EXPECT_EQ(list->item(1)->text(), second);
}

// The validator drops what is not a digit; the field says so where the user types, until the next key.
TEST_F(KeyboardWizard, ADigitsFieldSaysWhenItDropsACharacter)
{
    harness.goToStep(1);
    auto* width = harness.find<DigitsField>("widthEdit");
    width->setFocus();
    const struct
    {
        const char* typed;
        const char* shown;
        bool told;
    } cases[] = {{"15", "15", false}, {"15.", "15", true}, {"2x", "2", true}, {"1.5", "15", false}};
    for (const auto& typing : cases) {
        SCOPED_TRACE(typing.typed);
        width->clear();
        QTest::keyClicks(width, typing.typed);
        EXPECT_EQ(width->text(), typing.shown);
        const FieldHint* hint = FieldHint::shownAt(width);
        EXPECT_EQ(hint != nullptr, typing.told);
        EXPECT_EQ(hint ? hint->text() : DigitsField::rejectionText(), DigitsField::rejectionText());
    }
    width->setText("3");
    width->selectAll();
    width->insert("1.5");
    EXPECT_EQ(width->text(), "3") << "a pasted text with a dot must not lose the dot in silence";
    ASSERT_NE(FieldHint::shownAt(width), nullptr);
    EXPECT_EQ(FieldHint::shownAt(width)->text(), DigitsField::rejectionText());
}

// A click that the hint lies over reaches the control under it, as if the hint were not there.
TEST_F(KeyboardWizard, TheHintOfARefusingFieldLetsTheNextClickThrough)
{
    const struct
    {
        int page;
        const char* refusing;
        const char* next;
    } pairs[] = {{1, "widthEdit", "heightEdit"}, {2, "fontSizeEdit", "titleFontSizeEdit"}};
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.refusing);
        harness.goToStep(pair.page);
        auto* refusing = harness.find<DigitsField>(pair.refusing);
        auto* next = harness.find<DigitsField>(pair.next);
        refusing->setFocus();
        QTest::keyClicks(refusing, "x");
        const FieldHint* hint = FieldHint::shownAt(refusing);
        ASSERT_NE(hint, nullptr);
        QWidget& window = harness.wizard();
        EXPECT_TRUE(window.rect().contains(hint->geometry())) << "the window's edge cuts the hint";
        const QRect nextRect(next->mapTo(&window, QPoint(0, 0)), next->size());
        EXPECT_FALSE(
            hint->geometry().intersects(QRect(refusing->mapTo(&window, QPoint(0, 0)), refusing->size())));
        EXPECT_NE(window.childAt(hint->geometry().center()), hint) << "the hint takes clicks";
        // Where the hint lies over the next field, the click goes there.
        const QRect covered = hint->geometry() & nextRect;
        const QPoint at = covered.isEmpty() ? nextRect.center() : covered.center();
        QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, at);
        EXPECT_EQ(FieldHint::shownAt(refusing), nullptr);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
}

// Whatever the user does next ends the hint, but a modifier pressed for the next character does not.
TEST_F(KeyboardWizard, TheHintOfARefusingFieldGoesWhenTheUserMovesOn)
{
    harness.goToStep(1);
    auto* width = harness.find<DigitsField>("widthEdit");
    const struct
    {
        const char* next;
        std::function<void()> act;
        bool stays;
    } moves[] = {
        {"a digit typed", [&] { QTest::keyClick(width, Qt::Key_5); }, false},
        {"Shift pressed", [&] { QTest::keyPress(width, Qt::Key_Shift); }, true},
        {"Tab", [&] { QTest::keyClick(width, Qt::Key_Tab); }, false},
        {"the next step", [&] { harness.goToStep(2); }, false},
        {"a click into the field", [&] { QTest::mouseClick(width, Qt::LeftButton); }, false},
    };
    for (const auto& move : moves) {
        SCOPED_TRACE(move.next);
        harness.goToStep(1);
        width->setFocus();
        QTest::keyClicks(width, "x");
        ASSERT_NE(FieldHint::shownAt(width), nullptr);
        move.act();
        EXPECT_EQ(FieldHint::shownAt(width) != nullptr, move.stays);
        QTest::keyRelease(width, Qt::Key_Shift);
    }
}

// A field whose value goes into the project file as typed refuses a text that marks a record, typed or
// pasted, and says so at the field; the text before the refusal stays.
TEST_F(KeyboardWizard, NameAndFontFieldsRefuseTheProjectFilesRecordTexts)
{
    const struct
    {
        int page;
        const char* field;
    } fields[] = {{0, "nameEdit"}, {2, "textCustomFontEdit"}, {2, "titleCustomFontEdit"}};
    for (const auto& row : fields) {
        SCOPED_TRACE(row.field);
        harness.goToStep(row.page);
        auto* field = harness.find<QLineEdit>(row.field);
        field->setEnabled(true);
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, "a qvo-nameoftext=");
        EXPECT_EQ(field->text(), "a qvo-nameoftext");
        ASSERT_NE(FieldHint::shownAt(field), nullptr);
        EXPECT_EQ(FieldHint::shownAt(field)->text(), LineFieldValidator::rejectionText());
        field->setText("kept");
        field->selectAll();
        field->insert("x endof-qvo-tmessage1");
        EXPECT_EQ(field->text(), "kept");
        field->insert("qvo-widt=");
        EXPECT_EQ(field->text(), "qvo-widt=");
    }
}

} // namespace
