#include "ui/iki.h"

#include "project/ProjectRecord.h"
#include "tests/support/ChildWidget.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const char* const listButtons[] = {"editButton", "deleteButton", "moveUpButton", "moveDownButton"};

// The four fields of the Add Text or Edit dialog, as the user sees them.
Message shownIn(QWidget* dialog)
{
    return {findWidget<QLineEdit>(dialog, "titleEdit")->text().toStdString(),
            findWidget<QPlainTextEdit>(dialog, "textEdit")->toPlainText().toStdString(),
            findWidget<QLineEdit>(dialog, "linkEdit")->text().toStdString(),
            findWidget<QLineEdit>(dialog, "targetEdit")->text().toStdString()};
}

void typeInto(QWidget* dialog, const Message& message)
{
    findWidget<QLineEdit>(dialog, "titleEdit")->setText(QString::fromStdString(message.title));
    findWidget<QPlainTextEdit>(dialog, "textEdit")->setPlainText(QString::fromStdString(message.text));
    findWidget<QLineEdit>(dialog, "linkEdit")->setText(QString::fromStdString(message.link));
    findWidget<QLineEdit>(dialog, "targetEdit")->setText(QString::fromStdString(message.target));
}

void pressIn(QWidget* dialog, const char* button)
{
    QTest::mouseClick(findWidget<QPushButton>(dialog, button), Qt::LeftButton);
}

// The next Add Text or Edit dialog gets `message` typed over its fields and `button` pressed.
void answerNextDialog(const Message& message, const char* button)
{
    onNextModal([message, button](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        typeInto(dialog, message);
        pressIn(dialog, button);
    });
}

// The same, after checking that the dialog opens under `caption` showing `shown`.
void answerNextDialog(const char* caption, const Message& shown, const Message& message, const char* button)
{
    onNextModal([caption, shown, message, button](QWidget* dialog) {
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->windowTitle(), caption);
        EXPECT_EQ(shownIn(dialog), shown);
        typeInto(dialog, message);
        pressIn(dialog, button);
    });
}

// Four messages whose fields all carry the message's number, so that a message torn apart shows.
ProjectRecord numberedDesign()
{
    ProjectRecord record = defaultDesign();
    record.clearMessages();
    for (const std::string n : {"0", "1", "2", "3"})
        record.appendMessage({"title" + n, "text" + n, "link" + n, "target" + n});
    return record;
}

class Step4Page : public testing::Test
{
protected:
    Step4Page()
    {
        page.LoadFromRecord();
        page.show();
    }

    QListWidget* messageList() { return findWidget<QListWidget>(&page, "messageList"); }
    QWidget* widget(const char* objectName) { return findWidget<QWidget>(&page, objectName); }

    // Which of the style-dependent controls take input.
    std::vector<std::string> enabledTimingControls()
    {
        std::vector<std::string> enabled;
        for (const char* name : {"modeCombo", "scrollDelayEdit", "effectCombo", "speedCombo", "pauseEdit"})
            if (widget(name)->isEnabled())
                enabled.push_back(name);
        return enabled;
    }
    QComboBox* list(const char* objectName) { return findWidget<QComboBox>(&page, objectName); }

    void select(int line)
    {
        QListWidget* messages = messageList();
        QTest::mouseClick(messages->viewport(), Qt::LeftButton, {},
                          messages->visualItemRect(messages->item(line)).center());
    }

    void press(const char* objectName) { QTest::mouseClick(widget(objectName), Qt::LeftButton); }

    std::vector<std::string> recordTexts() const { return record.messageTexts(); }

    std::vector<std::string> shownLines()
    {
        std::vector<std::string> lines;
        for (int row = 0; row < messageList()->count(); ++row)
            lines.push_back(messageList()->item(row)->text().toStdString());
        return lines;
    }

    void expectMessagesWhole()
    {
        ASSERT_EQ(record.messageTitles().size(), record.messageTexts().size());
        ASSERT_EQ(record.messageLinks().size(), record.messageTexts().size());
        ASSERT_EQ(record.messageTargets().size(), record.messageTexts().size());
        for (int i = 0; i < record.messageCount(); ++i) {
            const Message message = record.message(i);
            const std::string n = message.text.substr(4);
            EXPECT_EQ(message.title, "title" + n);
            EXPECT_EQ(message.link, "link" + n);
            EXPECT_EQ(message.target, "target" + n);
        }
        EXPECT_EQ(shownLines(), recordTexts());
    }

    void expectNothingSelected()
    {
        EXPECT_TRUE(messageList()->selectedItems().isEmpty());
        EXPECT_EQ(record.selectedMessage, -1);
        for (const char* name : listButtons)
            EXPECT_FALSE(widget(name)->isEnabled()) << name;
        EXPECT_TRUE(widget("addButton")->isEnabled());
    }

    void expectSelected(int line)
    {
        ASSERT_EQ(messageList()->selectedItems().size(), 1);
        EXPECT_EQ(messageList()->row(messageList()->selectedItems().front()), line);
        EXPECT_EQ(record.selectedMessage, line);
        for (const char* name : listButtons)
            EXPECT_TRUE(widget(name)->isEnabled()) << name;
    }

    ProjectRecord record = numberedDesign();
    FakePlatform platform;
    iki page{record, platform};
};

using Lines = std::vector<std::string>;

TEST_F(Step4Page, ListShowsEachTextOnOneLineWithItsLineBreaksMarked)
{
    record.clearMessages();
    record.appendMessage({"t", "first\r\nsecond\nthird<br>", "", ""});
    record.appendMessage({"t", "<b>bold</b>", "", ""});
    record.appendMessage({"t", "old\rmac", "", ""});
    page.LoadFromRecord();
    EXPECT_EQ(shownLines(), (Lines{"first\u23CEsecond\u23CEthird<br>", "<b>bold</b>", "old\u23CEmac"}));
    EXPECT_EQ(record.messageTexts()[0], "first\r\nsecond\nthird<br>");
}

TEST_F(Step4Page, ButtonRuleFollowsTheSelection)
{
    expectNothingSelected();
    select(2);
    expectSelected(2);
    messageList()->clearSelection();
    expectNothingSelected();
}

TEST_F(Step4Page, MovesCarryWholeMessagesAndClearTheSelection)
{
    select(2);
    press("moveUpButton");
    EXPECT_EQ(recordTexts(), (Lines{"text0", "text2", "text1", "text3"}));
    expectMessagesWhole();
    expectNothingSelected();

    select(0);
    press("moveDownButton");
    EXPECT_EQ(recordTexts(), (Lines{"text2", "text0", "text1", "text3"}));
    expectMessagesWhole();
    expectNothingSelected();
}

TEST_F(Step4Page, FirstUpAndLastDownChangeNothingButTheSelection)
{
    select(0);
    press("moveUpButton");
    expectNothingSelected();
    select(3);
    press("moveDownButton");
    expectNothingSelected();
    EXPECT_EQ(recordTexts(), (Lines{"text0", "text1", "text2", "text3"}));
    expectMessagesWhole();
}

TEST_F(Step4Page, DeleteRemovesTheWholeMessageAndTheLastDeleteLeavesAnEmptyList)
{
    select(1);
    press("deleteButton");
    EXPECT_EQ(recordTexts(), (Lines{"text0", "text2", "text3"}));
    expectMessagesWhole();
    expectNothingSelected();

    for (int left = 3; left > 0; --left) {
        select(0);
        press("deleteButton");
    }
    EXPECT_EQ(record.messageCount(), 0);
    EXPECT_EQ(messageList()->count(), 0);
    expectNothingSelected();
}

TEST_F(Step4Page, AddAppendsTheMessageAndKeepsTheSelection)
{
    select(1);
    answerNextDialog("Add Text", {}, {"title4", "text4", "link4", "target4"}, "okButton");
    press("addButton");
    EXPECT_EQ(recordTexts(), (Lines{"text0", "text1", "text2", "text3", "text4"}));
    expectMessagesWhole();
    expectSelected(1);
}

TEST_F(Step4Page, AddIntoAnEmptyListAndCancelledAddChangeWhatTheyShould)
{
    record.clearMessages();
    page.LoadFromRecord();
    answerNextDialog({"title0", "text0", "link0", "target0"}, "cancelButton");
    press("addButton");
    EXPECT_EQ(record.messageCount(), 0);
    EXPECT_EQ(messageList()->count(), 0);

    answerNextDialog({"title9", "text9", "link9", "target9"}, "okButton");
    press("addButton");
    EXPECT_EQ(recordTexts(), (Lines{"text9"}));
    expectMessagesWhole();
    expectNothingSelected();
}

TEST_F(Step4Page, EditShowsTheSelectedMessageAndOkReplacesItAndClearsTheSelection)
{
    select(2);
    answerNextDialog("Edit", {"title2", "text2", "link2", "target2"},
                     {"title2", "new text\nof two lines", "link2", "target2"}, "okButton");
    press("editButton");
    EXPECT_EQ(record.message(2), (Message{"title2", "new text\nof two lines", "link2", "target2"}));
    EXPECT_EQ(shownLines(), (Lines{"text0", "text1", "new text\u23CEof two lines", "text3"}));
    expectNothingSelected();
}

TEST_F(Step4Page, CancelledEditChangesNothingAndKeepsTheSelection)
{
    select(3);
    answerNextDialog({"changed", "changed", "changed", "changed"}, "cancelButton");
    press("editButton");
    expectMessagesWhole();
    expectSelected(3);
}

TEST_F(Step4Page, SwitchingToTheFaderWritesTheStyleAtOnceAndSwapsTheControls)
{
    QTest::keyClick(list("styleCombo"), Qt::Key_Down);
    EXPECT_EQ(record.effectStyle, 1);
    EXPECT_EQ(enabledTimingControls(), (Lines{"effectCombo", "speedCombo", "pauseEdit"}));

    QTest::keyClick(list("styleCombo"), Qt::Key_Up);
    EXPECT_EQ(record.effectStyle, 0);
    EXPECT_EQ(enabledTimingControls(), (Lines{"modeCombo", "scrollDelayEdit", "pauseEdit"}));
}

TEST_F(Step4Page, ModeChangeIsWrittenAtOnceButEffectAndTimingWaitForTheFlush)
{
    QTest::keyClick(list("modeCombo"), Qt::Key_Down);
    EXPECT_EQ(record.scrollMode, 1);
    list("effectCombo")->setCurrentIndex(2);
    list("speedCombo")->setCurrentIndex(3);
    findWidget<QLineEdit>(&page, "pauseEdit")->clear();
    findWidget<QLineEdit>(&page, "scrollDelayEdit")->setText("70");
    EXPECT_EQ(record.effectType, 6);
    EXPECT_EQ(record.transitionSpeed, 1);
    EXPECT_EQ(record.pause, "3");

    page.FlushToRecord();
    EXPECT_EQ(record.effectType, 2);
    EXPECT_EQ(record.transitionSpeed, 3);
    EXPECT_EQ(record.scrollMode, 1);
    EXPECT_EQ(record.effectStyle, 0);
    EXPECT_EQ(record.pause, "");
    EXPECT_EQ(record.scrollDelay, "70");
}

TEST_F(Step4Page, LoadingShowsTheStyleOfTheRecord)
{
    record.effectStyle = 1;
    record.effectType = 42;
    page.LoadFromRecord();
    EXPECT_EQ(list("styleCombo")->currentIndex(), 1);
    EXPECT_EQ(list("effectCombo")->currentIndex(), -1);
    EXPECT_TRUE(widget("effectCombo")->isEnabled());
    EXPECT_TRUE(widget("speedCombo")->isEnabled());
    EXPECT_FALSE(widget("modeCombo")->isEnabled());
    EXPECT_FALSE(widget("scrollDelayEdit")->isEnabled());
    page.FlushToRecord();
    EXPECT_EQ(record.effectType, -1);

    record.effectStyle = 5;
    page.LoadFromRecord();
    EXPECT_EQ(list("styleCombo")->currentIndex(), -1);
    EXPECT_FALSE(widget("modeCombo")->isEnabled());
    EXPECT_TRUE(widget("effectCombo")->isEnabled());
    EXPECT_EQ(record.effectStyle, 5);
}

TEST_F(Step4Page, LoadingAnotherProjectReplacesTheLinesAndClearsTheSelection)
{
    select(1);
    record.clearMessages();
    record.appendMessage({"a", "only", "", ""});
    page.LoadFromRecord();
    EXPECT_EQ(shownLines(), (Lines{"only"}));
    expectNothingSelected();
}

} // namespace
