#include "ui/MessageDialog.h"

#include "project/MessageTarget.h"
#include "project/ProjectEncoding.h"
#include "project/RecordMarkers.h"
#include "ui/DialogUnits.h"
#include "ui/LineFieldValidator.h"
#include "ui/OkCancelRow.h"
#include "ui/RecordText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char* const hint = QT_TRANSLATE_NOOP(
    "MessageDialog",
    "You can use basic HTML tags in \"Title\" and \"Text\" boxes. You should set width and height properties "
    "for IMG tag. Like this:<img src=\"yourimage.gif\" width=\"10\" height=\"10\">");

constexpr int targetFieldWidthUnits = 68;
constexpr int dialogWidthUnits = 274;

QLineEdit* lineField(const QString& objectName)
{
    auto* field = new QLineEdit;
    field->setObjectName(objectName);
    return field;
}

// The box shows a title or text as HTML, so a text that would mark a record in the project file is stored
// with a character reference in its place, which the box shows as the same letter.
QString inertForProject(const QString& typed)
{
    const std::string bytes = typed.toUtf8().toStdString();
    if (!RecordMarkers::holdsKeyText(bytes))
        return typed;
    return QString::fromStdString(RecordMarkers::inertHtml(bytes));
}

QPlainTextEdit* textField()
{
    auto* field = new QPlainTextEdit;
    field->setObjectName("textEdit");
    field->setLineWrapMode(QPlainTextEdit::NoWrap);
    field->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    field->setTabChangesFocus(true);
    return field;
}

// The caption is the field's buddy, which names the field for screen readers.
QLabel* captionOf(const QString& caption, QWidget* field)
{
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    return label;
}

QLabel* hintLabel()
{
    auto* label = new QLabel(MessageDialog::tr(hint));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

} // namespace

MessageDialog::MessageDialog(const QString& caption, ProjectRecord& record, QWidget* parent)
    : QDialog(parent), record_(record), titleEdit_(lineField("titleEdit")), textEdit_(textField()),
      linkEdit_(lineField("linkEdit")), targetEdit_(lineField("targetEdit"))
{
    setWindowTitle(caption);
    const DialogUnits units(fontMetrics());
    targetEdit_->setFixedWidth(units.x(targetFieldWidthUnits));
    // A link or target is written into the box's scripts as it is typed: a key text cannot be made inert.
    new LineFieldValidator(titleEdit_, LineFieldValidator::KeyTexts::MadeInert);
    new LineFieldValidator(linkEdit_);
    new LineFieldValidator(targetEdit_);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(8);
    fields->setVerticalSpacing(6);
    fields->addWidget(captionOf(tr("Title :"), titleEdit_), 0, 0);
    fields->addWidget(titleEdit_, 0, 1);
    fields->addWidget(captionOf(tr("Text :"), textEdit_), 1, 0, Qt::AlignLeft | Qt::AlignTop);
    fields->addWidget(textEdit_, 1, 1);
    fields->addWidget(captionOf(tr("Link :"), linkEdit_), 2, 0);
    fields->addWidget(linkEdit_, 2, 1);
    fields->addWidget(captionOf(tr("Target Frame :"), targetEdit_), 3, 0);
    fields->addWidget(targetEdit_, 3, 1, Qt::AlignLeft);

    auto* dialog = new QVBoxLayout(this);
    dialog->addLayout(fields);
    dialog->addWidget(hintLabel());
    dialog->addLayout(new OkCancelRow(this));
    resize(std::max(units.x(dialogWidthUnits), sizeHint().width()), sizeHint().height());
}

void MessageDialog::accept()
{
    settleEncoding();
    const Message stored = storedMessage();
    const ProjectEncoding::Kind told = ProjectEncoding::of(stored);
    keepMessage(typedOver(stored));
    ProjectEncoding::keepSettled(record_, told);
    QDialog::accept();
}

QString MessageDialog::targetByRule(const QString& typed)
{
    return QString::fromStdString(MessageTarget::byRule(typed.toStdString()));
}

void MessageDialog::fillFields(const Message& message)
{
    titleEdit_->setText(RecordText::shown(record_, message.title));
    textEdit_->setPlainText(RecordText::shown(record_, message.text));
    linkEdit_->setText(RecordText::shown(record_, message.link));
    targetEdit_->setText(RecordText::shown(record_, message.target));
    loadedText_ = textEdit_->toPlainText();
}

// A windows-1252 design turns into UTF-8 when a typed character has no windows-1252 byte. Doing that
// before any field is encoded keeps all four fields in the same encoding as the rest of the design.
void MessageDialog::settleEncoding()
{
    RecordText::bytesFor(record_, titleEdit_->text() + textEdit_->toPlainText() + linkEdit_->text() +
                                      targetEdit_->text());
}

Message MessageDialog::typedOver(Message message)
{
    RecordText::store(record_, message.title, inertForProject(titleEdit_->text()));
    // The text field turns "\r\n" into "\n"; an untouched text keeps the line breaks it was stored with.
    if (textEdit_->toPlainText() != loadedText_)
        RecordText::store(record_, message.text, inertForProject(textEdit_->toPlainText()));
    RecordText::store(record_, message.link, linkEdit_->text());
    RecordText::store(record_, message.target, targetByRule(targetEdit_->text()));
    return message;
}
