#include "ui/FeedImportDialog.h"

#include "feed/FeedImport.h"
#include "ui/CaptionGrid.h"
#include "ui/DialogUnits.h"
#include "ui/OkCancelRow.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int longestText = 100000;
constexpr int dialogWidthUnits = 300;
constexpr int previewHeightUnits = 80;
constexpr int titleColumnUnits = 70;
constexpr int linkColumnUnits = 100;

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A preview line shows a text on one line, as the Step 4 list does.
QString oneLine(const std::string& text)
{
    QString line = fromUtf8(text);
    line.replace(QLatin1String("\r\n"), QStringLiteral("\u23CE"));
    line.replace(QLatin1Char('\n'), QStringLiteral("\u23CE"));
    return line;
}

QSpinBox* numberField(const char* objectName, int most, int value)
{
    auto* field = new QSpinBox;
    field->setObjectName(objectName);
    field->setRange(1, most);
    field->setValue(value);
    return field;
}

QString messageCount(int count)
{
    return count == 1 ? QObject::tr("1 message") : QObject::tr("%1 messages").arg(count);
}

} // namespace

FeedImportDialog::FeedImportDialog(FeedItems items, const QString& fileName, int messagesInList,
                                   QWidget* parent)
    : QDialog(parent), selection_(std::move(items)), fileName_(fileName), messagesInList_(messagesInList),
      maxItemsEdit_(
          numberField("maxItemsEdit", static_cast<int>(FeedItems::maxCount), FeedOptions{}.maxItems)),
      targetEdit_(new QLineEdit(fromUtf8(FeedOptions{}.target))),
      lengthEdit_(numberField("lengthEdit", longestText, FeedOptions{}.maxLength)),
      replaceButton_(new QRadioButton(tr("Replace the messages in the list"))),
      appendButton_(new QRadioButton(tr("Add them after the messages in the list"))),
      previewList_(new QTreeWidget), summaryLabel_(new QLabel)
{
    setWindowTitle(tr("Import Messages"));
    targetEdit_->setObjectName("targetEdit");
    replaceButton_->setObjectName("replaceButton");
    appendButton_->setObjectName("appendButton");
    replaceButton_->setChecked(true);
    previewList_->setObjectName("previewList");
    previewList_->setAccessibleName(tr("First items"));
    previewList_->setHeaderLabels({tr("Title"), tr("Text"), tr("Link")});
    previewList_->setRootIsDecorated(false);
    previewList_->header()->setStretchLastSection(false);
    previewList_->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    previewList_->setUniformRowHeights(true);
    previewList_->setSelectionMode(QAbstractItemView::NoSelection);
    previewList_->setFocusPolicy(Qt::NoFocus);
    summaryLabel_->setObjectName("importSummary");
    summaryLabel_->setTextFormat(Qt::PlainText);
    summaryLabel_->setWordWrap(true);

    auto* file = new QLabel(tr("From \"%1\"").arg(fileName));
    file->setObjectName("feedFileLabel");
    file->setTextFormat(Qt::PlainText);
    file->setWordWrap(true);
    auto* previewCaption = new QLabel(tr("First items :"));
    previewCaption->setBuddy(previewList_);

    auto* dialog = new QVBoxLayout(this);
    dialog->addWidget(file);
    dialog->addLayout(optionFields());
    dialog->addWidget(replaceButton_);
    dialog->addWidget(appendButton_);
    dialog->addWidget(previewCaption);
    dialog->addWidget(previewList_, 1);
    dialog->addWidget(summaryLabel_);
    auto* buttons = new OkCancelRow(this);
    okButton_ = buttons->okButton();
    dialog->addLayout(buttons);

    connect(maxItemsEdit_, &QSpinBox::valueChanged, this, &FeedImportDialog::makeMessages);
    connect(lengthEdit_, &QSpinBox::valueChanged, this, &FeedImportDialog::makeMessages);
    connect(targetEdit_, &QLineEdit::textChanged, this, &FeedImportDialog::makeMessages);
    connect(replaceButton_, &QRadioButton::toggled, this, &FeedImportDialog::showSummary);

    const DialogUnits units(fontMetrics());
    previewList_->setMinimumHeight(units.y(previewHeightUnits));
    previewList_->setColumnWidth(0, units.x(titleColumnUnits));
    previewList_->setColumnWidth(2, units.x(linkColumnUnits));
    makeMessages();
    resize(std::max(units.x(dialogWidthUnits), sizeHint().width()), sizeHint().height());
}

bool FeedImportDialog::replacesList() const
{
    return replaceButton_->isChecked();
}

FeedOptions FeedImportDialog::options() const
{
    FeedOptions options;
    options.maxItems = maxItemsEdit_->value();
    options.maxLength = lengthEdit_->value();
    // The import applies the message editors' target rule.
    options.target = targetEdit_->text().toStdString();
    return options;
}

QLayout* FeedImportDialog::optionFields()
{
    auto* grid = new CaptionGrid;
    grid->addRow(tr("Items :"), maxItemsEdit_, tr("at most"));
    grid->addRow(tr("Target Frame :"), targetEdit_);
    grid->addRow(tr("Text length :"), lengthEdit_, tr("characters at most"));
    return grid;
}

std::vector<Message> FeedImportDialog::takeMessages()
{
    auto made = FeedImport::messages(selection_.items(), options());
    return made.ok() ? std::move(made.value().messages) : std::vector<Message>{};
}

// A target the box cannot hold is the one option that can be refused: the list stays empty and the
// summary says why until it is mended.
void FeedImportDialog::makeMessages()
{
    const FeedOptions chosen = options();
    auto first = selection_.firstMessages(chosen, previewRows);
    if (first.ok()) {
        shown_ = std::move(first.value());
        summary_ = selection_.summary(static_cast<std::size_t>(chosen.maxItems));
        showPreview();
        return;
    }
    shown_.clear();
    summary_ = {};
    previewList_->clear();
    summaryLabel_->setText(tr("\"%1\": %2").arg(fileName_, QString::fromUtf8(first.error().message())));
    okButton_->setEnabled(false);
}

void FeedImportDialog::showPreview()
{
    previewList_->clear();
    for (const Message& message : shown_) {
        auto* row = new QTreeWidgetItem(previewList_);
        row->setText(0, oneLine(message.title));
        row->setText(1, oneLine(message.text));
        row->setText(2, fromUtf8(message.link));
    }
    showSummary();
}

void FeedImportDialog::showSummary()
{
    const int count = static_cast<int>(summary_.messageCount);
    okButton_->setEnabled(count > 0);
    QString summary;
    if (count == 0)
        summary = tr("The feed holds no items to import.");
    else if (messagesInList_ == 0)
        summary = tr("%1 will fill the empty list.").arg(messageCount(count));
    else if (replacesList())
        summary =
            tr("%1 will replace the %2 in the list.").arg(messageCount(count), messageCount(messagesInList_));
    else
        summary = tr("%1 will be added after the %2 in the list.")
                      .arg(messageCount(count), messageCount(messagesInList_));
    summaryLabel_->setText(summary + warningLines());
}

// The first warnings in full, each naming the file as an error would; the rest counted, so that a feed
// with thousands of them leaves the dialog its size.
QString FeedImportDialog::warningLines() const
{
    QString lines;
    const std::vector<std::string>& warnings = summary_.warnings;
    const auto shown = std::min<std::size_t>(warnings.size(), shownWarnings);
    for (std::size_t i = 0; i < shown; ++i)
        lines += QLatin1Char('\n') + tr("\"%1\": %2").arg(fileName_, fromUtf8(warnings[i]));
    const auto more = static_cast<int>(warnings.size() - shown);
    if (more > 0)
        lines += QLatin1Char('\n') + (more == 1 ? tr("1 more warning.") : tr("%1 more warnings.").arg(more));
    return lines;
}
