#include "tests/support/FileBytes.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/ui/WizardHarness.h"
#include "ui/StepPage.h"
#include "ui/uc.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>
#include <gtest/gtest.h>
#include <random>

// A user who does random things for a long time: tab changes, typing, list choices, tick boxes, the
// message list and its editors (OK and Cancel), colours, images, saves and opens. After every step the
// design must keep its four message lists in step, the list on Step 4 must show every message, and every
// dialog the wizard opened must be one the user was expected to see.
namespace {

constexpr unsigned seed = 20240611;
constexpr int operations = 2000;

class Monkey
{
public:
    Monkey() : random_(seed)
    {
        writeBytes(harness_.folder.file("picture.png"), "not really a picture");
        writeBytes(
            harness_.folder.file("news.json"),
            R"({"version": "https://jsonfeed.org/version/1.1", "title": "News", "items": [)"
            R"({"id": "1", "title": "Első hír", "content_html": "<p>Új <b>hajó</b></p>"},)"
            R"({"id": "2", "title": "Second", "content_text": "Plain €", "url": "https://x.example/2"}]})");
        harness_.wizard().show();
    }

    void act()
    {
        lastAction_.clear();
        actRandomly();
        done_[lastAction_.section(' ', 0, 1)] += 1;
    }

    void checkInvariant()
    {
        ProjectRecord& record = harness_.record();
        const auto count = static_cast<std::size_t>(record.messageCount());
        ASSERT_EQ(record.messageTitles().size(), count);
        ASSERT_EQ(record.messageLinks().size(), count);
        ASSERT_EQ(record.messageTargets().size(), count);
        ASSERT_EQ(harness_.find<QListWidget>("messageList")->count(), record.messageCount());
        ASSERT_EQ(harness_.platform.pendingExpectations(), 0) << "a dialog the user expected did not come";
        ASSERT_EQ(harness_.tabs()->currentIndex(), record.currentStep);
        ASSERT_EQ(harness_.visiblePage(), record.currentStep);
    }

    const QString& lastAction() const { return lastAction_; }

    // How often each kind of action happened, so that a run that hardly did anything cannot pass.
    int timesDone(const QString& actionStart) const { return done_.value(actionStart); }

private:
    void actRandomly()
    {
        const int dice = pick(100);
        if (dice < 10)
            changeStep();
        else if (dice < 32)
            typeIntoAField();
        else if (dice < 40)
            chooseInAList();
        else if (dice < 44)
            tickABox();
        else if (dice < 58)
            selectAMessage();
        else if (dice < 92)
            pressAButton();
        else
            pressAFrameButton();
    }

    int pick(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    template <typename T> const T& pickFrom(const std::vector<T>& items)
    {
        return items.at(static_cast<std::size_t>(pick(static_cast<int>(items.size()))));
    }

    QString randomText(bool safeForFileNames = false)
    {
        static const QStringList pieces = {"a", "Z", "7", " ", "_", "é", "€", "ж", "日本", "-", ".", "x"};
        static const QStringList risky = {"\"", "<b>", "'", "\\", "&amp;", ";", ",", "😀"};
        QString text;
        for (int i = pick(8); i > 0; --i)
            text += safeForFileNames || pick(4) != 0 ? pieces.at(pick(pieces.size()))
                                                     : risky.at(pick(risky.size()));
        return text;
    }

    QWidget* currentPage()
    {
        const int step = harness_.record().currentStep;
        if (step == CQuorvoDlg::publishingStep)
            return harness_.wizard().publishingPage();
        return harness_.wizard().stepPage(step);
    }

    template <typename Widget> std::vector<Widget*> usable()
    {
        std::vector<Widget*> found;
        QWidget* page = currentPage();
        for (Widget* widget : page->findChildren<Widget*>())
            if (widget->isVisibleTo(page) && widget->isEnabled())
                found.push_back(widget);
        return found;
    }

    // One of the page's usable controls of that kind, or nothing when it has none.
    template <typename Widget> Widget* pickUsable()
    {
        const auto controls = usable<Widget>();
        return controls.empty() ? nullptr : pickFrom(controls);
    }

    void changeStep()
    {
        const int step = pick(CQuorvoDlg::stepCount);
        lastAction_ = QStringLiteral("go to step %1").arg(step + 1);
        harness_.goToStep(step);
    }

    // A width that reads as 0 would rightly bring the width warning; this user types widths that count.
    void typeIntoAField()
    {
        QLineEdit* field = pickUsable<QLineEdit>();
        if (!field || field->isReadOnly())
            return;
        QString text = randomText(field->objectName() == "nameEdit");
        if (field->objectName() == "widthEdit")
            text = QString::number(1 + pick(9)) + QString::number(pick(1000));
        lastAction_ = "type '" + text + "' into " + field->objectName();
        field->selectAll();
        field->del();
        WizardHarness::typeText(field, text);
    }

    void chooseInAList()
    {
        if (QComboBox* list = pickUsable<QComboBox>()) {
            lastAction_ = "step through " + list->objectName();
            QTest::keyClick(list, pick(2) == 0 ? Qt::Key_Down : Qt::Key_Up);
        }
    }

    void tickABox()
    {
        if (QCheckBox* box = pickUsable<QCheckBox>()) {
            lastAction_ = "click " + box->objectName();
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
        }
    }

    void selectAMessage()
    {
        auto* messages = harness_.find<QListWidget>("messageList");
        if (harness_.record().currentStep != 3) {
            lastAction_ = QStringLiteral("go to step 4");
            harness_.goToStep(3);
            return;
        }
        if (messages->count() == 0)
            return;
        const int line = pick(messages->count());
        lastAction_ = QStringLiteral("select message %1").arg(line);
        messages->scrollToItem(messages->item(line));
        QTest::mouseClick(messages->viewport(), Qt::LeftButton, {},
                          messages->visualItemRect(messages->item(line)).center());
    }

    void pressAButton()
    {
        const auto buttons = usable<QAbstractButton>();
        std::vector<QAbstractButton*> pressable;
        for (QAbstractButton* button : buttons)
            if (!qobject_cast<QCheckBox*>(button))
                pressable.push_back(button);
        if (pressable.empty())
            return;
        QAbstractButton* button = pickFrom(pressable);
        const QString name = button->objectName();
        lastAction_ = "press " + name;
        if (name.endsWith("Swatch"))
            harness_.platform.expectColor(pick(3) == 0 ? std::nullopt
                                                       : std::optional(QColor(pick(256), 0, 255)));
        else if (name == "browseButton")
            harness_.platform.expectOpenFileName(pick(3) == 0 ? std::nullopt
                                                              : std::optional(harness_.path("picture.png")));
        else if (name == "webSiteButton")
            harness_.platform.expectOpenUrl(QUrl("http://www.marquetto.example/"));
        else if (name == "openProjectButton")
            expectOpenDialog();
        else if (name == "aboutButton")
            onNextModal([](QWidget* about) { about->close(); });
        else if (name == "importButton")
            expectImport();
        else if (name == "addButton" || name == "editButton")
            onNextModal([this](QWidget* editor) { fillEditor(editor); });
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void pressAFrameButton()
    {
        const bool saveAs = pick(2) == 0;
        lastAction_ = saveAs ? "press saveProjectAsButton" : "press saveProjectButton";
        if (saveAs || harness_.record().projectUntitled == 1)
            expectSaveDialog();
        harness_.click(saveAs ? "saveProjectAsButton" : "saveProjectButton");
    }

    // A file that exists is replaced only when the user says so; otherwise the dialog comes back.
    void expectSaveDialog()
    {
        if (pick(5) == 0) {
            harness_.platform.expectSaveFileName(std::nullopt);
            return;
        }
        const QString file = projectFile();
        harness_.platform.expectSaveFileName(file);
        if (!std::filesystem::exists(file.toStdString()))
            return;
        const bool replace = pick(3) != 0;
        harness_.platform.expectReplaceQuestion(file, replace);
        if (!replace)
            harness_.platform.expectSaveFileName(std::nullopt);
    }

    QString projectFile() { return harness_.path(pickFrom<std::string>({"a.tkp", "b.tkp", "c c.tkp"})); }

    // The wizard asks before an edited design is replaced; the Step 1 page, where the button is, hands
    // its name over first, as the wizard does.
    void expectOpenDialog()
    {
        harness_.wizard().stepPage(0)->FlushToRecord();
        if (harness_.wizard().commands().hasUnsavedChanges()) {
            const bool cancel = pick(4) == 0;
            harness_.platform.expectSaveChangesQuestion(cancel ? Platform::SaveChangesAnswer::Cancel
                                                               : Platform::SaveChangesAnswer::Discard);
            if (cancel)
                return;
        }
        const int choice = pick(6);
        if (choice == 0) {
            harness_.platform.expectOpenFileName(std::nullopt);
            return;
        }
        const QString file = choice == 1 ? harness_.path("missing.tkp") : projectFile();
        harness_.platform.expectOpenFileName(file);
        if (!std::filesystem::exists(file.toStdString()))
            harness_.platform.expectMessageContaining(file);
    }

    // A feed picked or not; its messages replace the list or follow it, or the user cancels.
    void expectImport()
    {
        if (pick(4) == 0) {
            harness_.platform.expectOpenFileName(std::nullopt);
            return;
        }
        harness_.platform.expectOpenFileName(harness_.path("news.json"));
        const int answer = pick(3);
        onNextModal([answer](QWidget* dialog) {
            if (dialog == nullptr) {
                ADD_FAILURE() << "no import dialog opened";
                return;
            }
            if (answer == 1)
                findWidget<QAbstractButton>(dialog, "appendButton")->click();
            findWidget<QAbstractButton>(dialog, answer == 0 ? "cancelButton" : "okButton")->click();
        });
    }

    void fillEditor(QWidget* editor)
    {
        if (editor == nullptr) {
            ADD_FAILURE() << "no message editor opened";
            return;
        }
        findWidget<QLineEdit>(editor, "titleEdit")->setText(randomText());
        findWidget<QPlainTextEdit>(editor, "textEdit")
            ->setPlainText(randomText() + (pick(3) == 0 ? "\n" : "") + randomText());
        findWidget<QLineEdit>(editor, "linkEdit")->setText(randomText());
        findWidget<QLineEdit>(editor, "targetEdit")
            ->setText(pickFrom<QString>({"  _self ", "_Self", "", "main"}));
        QTest::mouseClick(findWidget<QPushButton>(editor, pick(3) == 0 ? "cancelButton" : "okButton"),
                          Qt::LeftButton);
    }

    WizardHarness harness_;
    std::mt19937 random_;
    QString lastAction_;
    QHash<QString, int> done_;
};

} // namespace

TEST(WizardMonkey, TwoThousandRandomUserActionsKeepTheDesignWhole)
{
    Monkey monkey;
    for (int i = 0; i < operations; ++i) {
        monkey.act();
        QCoreApplication::processEvents();
        SCOPED_TRACE(
            QStringLiteral("seed %1, action %2: %3").arg(seed).arg(i).arg(monkey.lastAction()).toStdString());
        monkey.checkInvariant();
        if (testing::Test::HasFatalFailure())
            return;
    }
    for (const char* kind :
         {"go to", "select message", "press addButton", "press editButton", "press deleteButton",
          "press importButton", "press moveUpButton", "press moveDownButton", "press openProjectButton",
          "press saveProjectButton", "press saveProjectAsButton"})
        EXPECT_GE(monkey.timesDone(kind), 10) << kind;
    EXPECT_GE(monkey.timesDone("press browseButton"), 1);
}
