#include "ui/iki.h"

#include "feed/FeedFile.h"
#include "feed/FeedImport.h"
#include "feed/ImportedMessages.h"
#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "project/OptionLists.h"
#include "project/ProjectEncoding.h"
#include "project/ProjectRecord.h"
#include "ui/CaptionGrid.h"
#include "ui/DigitsField.h"
#include "ui/FeedImportDialog.h"
#include "ui/NamedButton.h"
#include "ui/OptionCombo.h"
#include "ui/PageLayout.h"
#include "ui/RecordText.h"
#include "ui/addbox.h"
#include "ui/modifybox.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString lineBreakMark = QStringLiteral("\u23CE");

// The record keeps a text as it is; in a one-line list a line break is shown as a visible mark.
QString lineFor(ProjectEncoding::Kind encoding, const std::string& text)
{
    QString line = RecordText::shown(encoding, text);
    line.replace(QLatin1String("\r\n"), lineBreakMark);
    line.replace(QLatin1Char('\n'), lineBreakMark);
    line.replace(QLatin1Char('\r'), lineBreakMark);
    return line;
}

} // namespace

iki::iki(ProjectRecord& record, Platform& platform, QWidget* parent)
    : StepPage(record, platform, parent), messageList_(new QListWidget),
      addButton_(namedButton(tr("Add"), "addButton")), editButton_(namedButton(tr("Edit"), "editButton")),
      deleteButton_(namedButton(tr("Delete"), "deleteButton")),
      moveUpButton_(namedButton(tr("Move Up"), "moveUpButton")),
      moveDownButton_(namedButton(tr("Move Down"), "moveDownButton")),
      importButton_(namedButton(tr("Import..."), "importButton")),
      styleCombo_(fields().choice(new OptionCombo(OptionLists::effectStyles(), "styleCombo"),
                                  &ProjectRecord::effectStyle)),
      effectCombo_(fields().choice(new OptionCombo(OptionLists::transitions(), "effectCombo"),
                                   &ProjectRecord::effectType)),
      modeCombo_(
          fields().choice(new OptionCombo(OptionLists::modes(), "modeCombo"), &ProjectRecord::scrollMode)),
      scrollDelayEdit_(fields().text(new DigitsField("scrollDelayEdit"), &ProjectRecord::scrollDelay)),
      pauseEdit_(fields().text(new DigitsField("pauseEdit"), &ProjectRecord::pause)),
      speedCombo_(fields().choice(new OptionCombo(OptionLists::speeds(), "speedCombo"),
                                  &ProjectRecord::transitionSpeed))
{
    messageList_->setObjectName("messageList");
    messageList_->setAccessibleName(tr("Messages"));
    effectCombo_->setAccessibleName(tr("Transition effect"));
    modeCombo_->setAccessibleName(tr("Scroll mode"));
    messageList_->setSelectionMode(QAbstractItemView::SingleSelection);
    messageList_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    messageList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    connect(messageList_, &QListWidget::itemSelectionChanged, this, &iki::applyButtonRule);
    connect(addButton_, &QPushButton::clicked, this, &iki::addMessage);
    connect(editButton_, &QPushButton::clicked, this, &iki::editMessage);
    connect(deleteButton_, &QPushButton::clicked, this, &iki::deleteMessage);
    connect(moveUpButton_, &QPushButton::clicked, this, &iki::moveMessageUp);
    connect(moveDownButton_, &QPushButton::clicked, this, &iki::moveMessageDown);
    connect(importButton_, &QPushButton::clicked, this, &iki::importFeed);
    connect(styleCombo_, &QComboBox::activated, this, &iki::takeStyleAndMode);
    connect(modeCombo_, &QComboBox::activated, this, &iki::takeStyleAndMode);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {addButton_, editButton_, deleteButton_, moveUpButton_, moveDownButton_})
        buttons->addWidget(button);
    // Below the free space under the list's own buttons, so that none of them moves.
    buttons->addStretch();
    buttons->addWidget(importButton_);
    auto* messages = new QHBoxLayout;
    messages->addWidget(messageList_, 1);
    messages->addLayout(buttons);
    auto* settings = new QHBoxLayout;
    settings->addWidget(effectGroup(), 1);
    settings->addWidget(timingGroup(), 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(PageLayout::margins);
    page->addLayout(messages, 1);
    page->addLayout(settings);
    enableListButtons(false);
}

void iki::LoadFromRecord()
{
    rebuildList();
    applyButtonRule();
    loadFields();
    applyStyleRule();
}

QGroupBox* iki::effectGroup()
{
    auto* grid = new CaptionGrid;
    grid->addWideRow(tr("Style :"), styleCombo_);
    grid->addWideRow({}, effectCombo_);
    grid->addWideRow({}, modeCombo_);
    return PageLayout::group(tr("Scroller / Transition effect :"), grid);
}

QGroupBox* iki::timingGroup()
{
    auto* grid = new CaptionGrid;
    grid->addRow(tr("Scroll delay :"), scrollDelayEdit_, tr("miliseconds"));
    grid->addRow(tr("Pause :"), pauseEdit_, tr("seconds"));
    grid->addRow(tr("Transition speed :"), speedCombo_);
    return PageLayout::group(tr("Timing :"), grid);
}

void iki::addMessage()
{
    addbox dialog(record(), this);
    if (dialog.exec() == QDialog::Accepted) {
        messageList_->addItem(lineFor(ProjectEncoding::of(record()), record().messageTexts().back()));
        noteEdited();
    }
}

void iki::editMessage()
{
    const int index = record().selectedMessage;
    modifybox dialog(record(), this);
    if (dialog.exec() != QDialog::Accepted) {
        applyButtonRule();
        return;
    }
    delete messageList_->takeItem(index);
    const std::string& text = record().messageTexts()[static_cast<std::size_t>(index)];
    messageList_->insertItem(index, lineFor(ProjectEncoding::of(record()), text));
    unselectChangedLine();
}

void iki::deleteMessage()
{
    const int index = selectedLine();
    const ProjectEncoding::Kind told = ProjectEncoding::of(record().message(index));
    record().removeMessage(index);
    ProjectEncoding::keepSettled(record(), told);
    delete messageList_->takeItem(index);
    unselectChangedLine();
}

void iki::moveMessageUp()
{
    const int line = selectedLine();
    record().moveMessageUp(line);
    showMovedMessage(std::max(line - 1, 0));
}

void iki::moveMessageDown()
{
    const int line = selectedLine();
    record().moveMessageDown(line);
    showMovedMessage(std::min(line + 1, record().messageCount() - 1));
}

void iki::importFeed()
{
    FileDialogOptions options;
    options.caption = tr("Import Feed");
    options.filter = tr("Feeds (*.xml *.rss *.atom *.json *.csv);;All Files (*)");
    options.existingOnly = true;
    options.folder = feedFolder_.isEmpty() ? platform().documentsFolder() : feedFolder_;
    const std::optional<QString> chosen = platform().openFileName(this, options);
    if (!chosen)
        return;
    feedFolder_ = QFileInfo(*chosen).absolutePath();
    auto feed = FeedFile::read(RecordPath::toBytes(*chosen), FeedFile::Kind::RegularFile);
    if (!feed.ok()) {
        platform().showMessage(this, QString::fromLocal8Bit(feed.error().message()));
        return;
    }
    // Read once, with every item the dialog may choose; its options only make messages of them.
    auto items = FeedImport::items(feed.value());
    if (!items.ok()) {
        // The reader says where in the feed; the file is named here.
        platform().showMessage(this,
                               tr("\"%1\": %2").arg(*chosen, QString::fromUtf8(items.error().message())));
        return;
    }
    std::string().swap(feed.value());
    FeedImportDialog dialog(std::move(items.value()), QFileInfo(*chosen).fileName(), record().messageCount(),
                            this);
    if (dialog.exec() == QDialog::Accepted)
        takeImportedMessages(dialog.takeMessages(), dialog.replacesList());
}

void iki::takeImportedMessages(std::vector<Message> messages, bool replaceList)
{
    const int firstNew = replaceList ? 0 : record().messageCount();
    ImportedMessages::put(record(), std::move(messages), !replaceList);
    noteEdited();
    if (replaceList) {
        rebuildList();
        applyButtonRule();
        return;
    }
    // Added at the end, as Add does, so that a selected line stays selected.
    const ProjectEncoding::Kind encoding = ProjectEncoding::of(record());
    for (int i = firstNew; i < record().messageCount(); ++i)
        messageList_->addItem(lineFor(encoding, record().messageTexts()[static_cast<std::size_t>(i)]));
}

// An edited or deleted message leaves no line selected, and the buttons that need one grey.
void iki::unselectChangedLine()
{
    messageList_->clearSelection();
    applyButtonRule();
    noteEdited();
}

// The moved message is left unselected, but the list's cursor stays on it, so that the keyboard user
// selects it again with one key.
void iki::showMovedMessage(int line)
{
    rebuildList();
    messageList_->setCurrentRow(line, QItemSelectionModel::NoUpdate);
    applyButtonRule();
    noteEdited();
}

void iki::rebuildList()
{
    const ProjectEncoding::Kind encoding = ProjectEncoding::of(record());
    QStringList lines;
    lines.reserve(record().messageCount());
    for (const std::string& text : record().messageTexts())
        lines.append(lineFor(encoding, text));
    messageList_->clear();
    messageList_->addItems(lines);
}

int iki::selectedLine() const
{
    const QList<QListWidgetItem*> selected = messageList_->selectedItems();
    return selected.isEmpty() ? -1 : messageList_->row(selected.front());
}

void iki::applyButtonRule()
{
    record().selectedMessage = selectedLine();
    enableListButtons(record().selectedMessage >= 0);
}

// A focused button that turns grey hands the focus on along the Tab order, which would leave it on the
// "Style :" list, where the next arrow key changes the style unseen. The user goes on with the messages.
void iki::enableListButtons(bool enabled)
{
    if (!enabled && listButtonHasFocus())
        messageList_->setFocus(Qt::OtherFocusReason);
    for (QPushButton* button : {editButton_, deleteButton_, moveUpButton_, moveDownButton_})
        button->setEnabled(enabled);
}

// The window's focus widget, not hasFocus(): after a dialog the wizard is not yet active again, and its
// focus would come back to the greyed button.
bool iki::listButtonHasFocus() const
{
    const QWidget* focused = window()->focusWidget();
    return focused == editButton_ || focused == deleteButton_ || focused == moveUpButton_ ||
           focused == moveDownButton_;
}

void iki::takeStyleAndMode()
{
    record().effectStyle = styleCombo_->currentIndex();
    record().scrollMode = modeCombo_->currentIndex();
    applyStyleRule();
}

void iki::applyStyleRule()
{
    const bool scroller = record().effectStyle == 0;
    modeCombo_->setEnabled(scroller);
    scrollDelayEdit_->setEnabled(scroller);
    effectCombo_->setEnabled(!scroller);
    speedCombo_->setEnabled(!scroller);
}
