#include "project/ProjectEncoding.h"
#include "project/ProjectRecord.h"
#include "project/ProjectWriter.h"
#include "tests/support/ChildWidget.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/support/ProjectFile.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/FieldHint.h"
#include "ui/LineFieldValidator.h"
#include "ui/addbox.h"
#include "ui/iki.h"
#include "ui/modifybox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

QLineEdit* line(QWidget* dialog, const char* objectName)
{
    return findWidget<QLineEdit>(dialog, objectName);
}

QPlainTextEdit* textField(QWidget* dialog)
{
    return findWidget<QPlainTextEdit>(dialog, "textEdit");
}

void pressOk(QWidget* dialog)
{
    QTest::mouseClick(findWidget<QPushButton>(dialog, "okButton"), Qt::LeftButton);
}

struct TargetCase
{
    const char* typed;
    const char* stored;
};

const TargetCase targets[] = {
    {"  _self  ", "_parent"},  {"_self", "_parent"}, {"_Self", "_parent"},      {"", ""},
    {"\t_blank \n", "_blank"}, {"_self_", "_self_"}, {"my frame ", "my frame"},
};

TEST(MessageEditors, AddAppliesTheTargetRuleAndStoresTheOtherFieldsAsTyped)
{
    for (const TargetCase& target : targets) {
        SCOPED_TRACE(target.typed);
        ProjectRecord record = defaultDesign();
        addbox dialog(record);
        line(&dialog, "titleEdit")->setText(" Title ");
        textField(&dialog)->setPlainText(" text ");
        line(&dialog, "linkEdit")->setText(" link ");
        line(&dialog, "targetEdit")->setText(target.typed);
        pressOk(&dialog);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        ASSERT_EQ(record.messageCount(), 4);
        EXPECT_EQ(record.message(3), (Message{" Title ", " text ", " link ", target.stored}));
    }
}

TEST(MessageEditors, EditOkWithoutChangesStillAppliesTheTargetRule)
{
    for (const TargetCase& target : targets) {
        SCOPED_TRACE(target.typed);
        ProjectRecord record = defaultDesign();
        record.appendMessage({"t", "x", "l", target.typed});
        record.selectedMessage = 3;
        modifybox dialog(record);
        EXPECT_EQ(dialog.windowTitle(), "Edit");
        EXPECT_EQ(line(&dialog, "targetEdit")->text(), target.typed);
        pressOk(&dialog);
        EXPECT_EQ(record.message(3), (Message{"t", "x", "l", target.stored}));
        EXPECT_EQ(record.messageCount(), 4);
    }
}

// A title or text that would mark a record of the project file is stored with a character reference the
// box shows as the same letter; a link or target field refuses it, typed or pasted. The result saves and
// reads back as it is.
TEST(MessageEditors, TextsThatMarkARecordAreStoredInertOrRefused)
{
    const struct
    {
        const char* field;
        const char* typed;
        bool pasted;
        const char* stored;
    } cases[] = {
        {"titleEdit", "a qvo-linktext1=x", false, "a qv&#111;-linktext1=x"},
        {"textEdit", "endof-qvo-tmessage1#%# lost", true, "endof-qv&#111;-tmessage1#%# lost"},
        {"titleEdit", "harmless qvo-", false, "harmless qvo-"},
        {"linkEdit", "http://x.example/?qvo-width=", false, "http://x.example/?qvo-width"},
        {"targetEdit", "endof-qvo-x-lightmotion", true, ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.typed);
        TemporaryFolder folder;
        ProjectRecord record = defaultDesign();
        addbox dialog(record);
        dialog.show();
        QWidget* field = findWidget<QWidget>(&dialog, row.field);
        field->setFocus();
        if (auto* text = qobject_cast<QPlainTextEdit*>(field))
            text->setPlainText(row.typed);
        else if (row.pasted)
            qobject_cast<QLineEdit*>(field)->insert(row.typed);
        else
            QTest::keyClicks(field, row.typed);
        pressOk(&dialog);
        ASSERT_EQ(record.messageCount(), 4);
        const Message stored = record.message(3);
        const std::string value = std::string(row.field) == "titleEdit"  ? stored.title
                                  : std::string(row.field) == "textEdit" ? stored.text
                                  : std::string(row.field) == "linkEdit" ? stored.link
                                                                         : stored.target;
        EXPECT_EQ(value, row.stored);
        record.projectPath = folder.file("p.tkp");
        ASSERT_TRUE(ProjectWriter::writeProject(record).ok());
        EXPECT_EQ(readProjectFile(record.projectPath).message(3), stored);
    }
}

TEST(MessageEditors, CancelChangesNothing)
{
    ProjectRecord record = defaultDesign();
    const ProjectRecord before = record;
    record.selectedMessage = 0;
    modifybox edit(record);
    line(&edit, "titleEdit")->setText("changed");
    line(&edit, "targetEdit")->setText("_self");
    QTest::mouseClick(findWidget<QPushButton>(&edit, "cancelButton"), Qt::LeftButton);
    addbox add(record);
    line(&add, "titleEdit")->setText("new");
    QTest::mouseClick(findWidget<QPushButton>(&add, "cancelButton"), Qt::LeftButton);
    EXPECT_EQ(record.messageTitles(), before.messageTitles());
    EXPECT_EQ(record.messageTargets(), before.messageTargets());
    EXPECT_EQ(record.messageCount(), 3);
}

TEST(MessageEditors, EnterInTheTextFieldStartsANewLineAndElsewherePressesOk)
{
    ProjectRecord record = defaultDesign();
    addbox dialog(record);
    dialog.show();
    QTest::keyClicks(textField(&dialog), "first");
    QTest::keyClick(textField(&dialog), Qt::Key_Return);
    QTest::keyClicks(textField(&dialog), "second");
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(record.messageCount(), 3);

    QTest::keyClick(line(&dialog, "linkEdit"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(record.messageCount(), 4);
    EXPECT_EQ(record.message(3).text, "first\nsecond");
}

TEST(MessageEditors, TabInTheTextFieldMovesToTheLinkAndTypesNothing)
{
    ProjectRecord record = defaultDesign();
    addbox dialog(record);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    textField(&dialog)->setFocus();
    QTest::keyClicks(textField(&dialog), "text");
    QTest::keyClick(textField(&dialog), Qt::Key_Tab);
    EXPECT_EQ(textField(&dialog)->toPlainText(), "text");
    EXPECT_EQ(QApplication::focusWidget(), line(&dialog, "linkEdit"));
}

TEST(MessageEditors, ShowTheHintAndTheirCaptions)
{
    ProjectRecord record = defaultDesign();
    addbox dialog(record);
    EXPECT_EQ(dialog.windowTitle(), "Add Text");
    const QString hint =
        "You can use basic HTML tags in \"Title\" and \"Text\" boxes. You should set width and "
        "height properties for IMG tag. Like this:<img src=\"yourimage.gif\" width=\"10\" "
        "height=\"10\">";
    bool found = false;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        found = found || (label->text() == hint && label->textFormat() == Qt::PlainText);
    EXPECT_TRUE(found);
    EXPECT_TRUE(findWidget<QPushButton>(&dialog, "okButton")->isDefault());
}

// "Men\xFC", "caf\xE9 \x80 \x93quoted\x94" and so on: an 8-bit project as an old system wrote it.
ProjectRecord windows1252Design()
{
    ProjectRecord record = defaultDesign();
    record.clearMessages();
    record.appendMessage(
        {"Men\xFC", "caf\xE9 \x80 \x93quoted\x94\r\nnext", "http://x.example/\xE9", "_parent"});
    record.appendMessage({"Second", "na\xEFve", "", "_top"});
    return record;
}

// The title, link and target are one-line fields: a line break, tab or control character is refused, typed
// or pasted, with a note at the field; a title still takes a record's text, which it stores inert.
TEST(MessageEditors, OneLineFieldsRefuseLineBreaksAndSaySo)
{
    ProjectRecord record = defaultDesign();
    addbox dialog(record);
    dialog.show();
    for (const char* name : {"titleEdit", "linkEdit", "targetEdit"}) {
        SCOPED_TRACE(name);
        QLineEdit* field = line(&dialog, name);
        for (const char* pasted : {"a\nb", "a\rb", "a\tb", "a\x0B", "a\xC2\x85", "a\xE2\x80\xA8", "\x1B"}) {
            field->setText("kept");
            field->selectAll();
            field->insert(QString::fromUtf8(pasted));
            EXPECT_EQ(field->text(), "kept") << pasted;
        }
        ASSERT_NE(FieldHint::shownAt(field), nullptr);
        EXPECT_EQ(FieldHint::shownAt(field)->text(), LineFieldValidator::lineBreakText());
    }
    line(&dialog, "titleEdit")->setText("");
    line(&dialog, "titleEdit")->insert("qvo-width=");
    EXPECT_EQ(line(&dialog, "titleEdit")->text(), "qvo-width=");
}

TEST(MessageEditorsWindows1252, TextsShowAsTheirAuthorSawThemAndUnchangedOnesKeepTheirBytes)
{
    ProjectRecord record = windows1252Design();
    const ProjectRecord before = record;
    ASSERT_EQ(ProjectEncoding::of(record), ProjectEncoding::Windows1252);
    FakePlatform platform;
    iki page(record, platform);
    page.LoadFromRecord();
    EXPECT_EQ(findWidget<QListWidget>(&page, "messageList")->item(0)->text(),
              QString::fromUtf8("café € “quoted”⏎next"));

    record.selectedMessage = 0;
    modifybox dialog(record);
    EXPECT_EQ(line(&dialog, "titleEdit")->text(), QString::fromUtf8("Menü"));
    EXPECT_EQ(textField(&dialog)->toPlainText(), QString::fromUtf8("café € “quoted”\nnext"));
    EXPECT_EQ(line(&dialog, "linkEdit")->text(), QString::fromUtf8("http://x.example/é"));
    pressOk(&dialog);
    EXPECT_EQ(record.message(0), before.message(0));
    EXPECT_EQ(record.message(1), before.message(1));
}

TEST(MessageEditorsWindows1252, EditedTextsAreStoredInTheDesignsEncoding)
{
    ProjectRecord record = windows1252Design();
    record.selectedMessage = 1;
    modifybox dialog(record);
    textField(&dialog)->setPlainText(QString::fromUtf8("déjà vu"));
    pressOk(&dialog);
    EXPECT_EQ(record.message(1).text, "d\xE9j\xE0 vu");
    EXPECT_EQ(record.message(0).title, "Men\xFC");
}

TEST(MessageEditorsWindows1252, ACharacterWithoutAWindows1252ByteTurnsTheWholeDesignIntoUtf8)
{
    ProjectRecord record = windows1252Design();
    addbox dialog(record);
    line(&dialog, "titleEdit")->setText(QString::fromUtf8("é"));
    textField(&dialog)->setPlainText(QString::fromUtf8("日本"));
    pressOk(&dialog);
    EXPECT_EQ(ProjectEncoding::of(record), ProjectEncoding::Utf8);
    EXPECT_EQ(record.message(2), (Message{"\xC3\xA9", "\xE6\x97\xA5\xE6\x9C\xAC", "", ""}));
    EXPECT_EQ(record.message(0).title, "Men\xC3\xBC");
    EXPECT_EQ(record.message(1).text, "na\xC3\xAFve");
}

TEST(MessageEditorsWindows1252, EditingOneFieldOutsideWindows1252ConvertsTheOtherFieldsToo)
{
    ProjectRecord record = windows1252Design();
    record.selectedMessage = 0;
    modifybox dialog(record);
    line(&dialog, "targetEdit")->setText(QString::fromUtf8("фрейм"));
    pressOk(&dialog);
    EXPECT_EQ(ProjectEncoding::of(record), ProjectEncoding::Utf8);
    const Message edited = record.message(0);
    EXPECT_EQ(edited.title, "Men\xC3\xBC");
    EXPECT_EQ(edited.text, "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D\r\nnext");
    EXPECT_EQ(edited.link, "http://x.example/\xC3\xA9");
    EXPECT_EQ(edited.target, "\xD1\x84\xD1\x80\xD0\xB5\xD0\xB9\xD0\xBC");
}

// "Gru\xDF\x85" is windows-1252 for "Gruß…" and UTF-8 by chance: when the last text that is not UTF-8 is
// edited away or deleted, it becomes UTF-8, so that the design keeps the characters its author saw.
TEST(MessageEditorsWindows1252, TheLastTextThatToldWindows1252GoingKeepsTheOthersCharacters)
{
    for (bool deleted : {false, true}) {
        SCOPED_TRACE(deleted ? "deleted" : "edited");
        ProjectRecord record = defaultDesign();
        record.textCustomFont = "Gru\xDF\x85";
        record.clearMessages();
        record.appendMessage({"Men\xFC", "", "", ""});
        if (deleted) {
            FakePlatform platform;
            iki page(record, platform);
            page.LoadFromRecord();
            findWidget<QListWidget>(&page, "messageList")->item(0)->setSelected(true);
            QTest::mouseClick(findWidget<QPushButton>(&page, "deleteButton"), Qt::LeftButton);
            EXPECT_EQ(record.messageCount(), 0);
        } else {
            record.selectedMessage = 0;
            modifybox dialog(record);
            line(&dialog, "titleEdit")->setText("Menu");
            pressOk(&dialog);
            EXPECT_EQ(record.message(0).title, "Menu");
        }
        EXPECT_EQ(record.textCustomFont, "Gru\xC3\x9F\xE2\x80\xA6");
    }
}

} // namespace
