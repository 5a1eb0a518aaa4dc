#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>
#include <QWidget>

#include <string>

// Texts that do not fit their control, as "objectName \"text\": needed > available", one per line.
inline std::string cutTexts(QWidget* page)
{
    QStringList cut;
    const auto report = [&cut](const QWidget* widget, const QString& text, int needed, int available) {
        if (needed > available)
            cut << QStringLiteral("%1 \"%2\": %3 > %4")
                       .arg(widget->objectName(), text)
                       .arg(needed)
                       .arg(available);
    };
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(page) || label->text().isEmpty() || !label->pixmap().isNull())
            continue;
        const QRect room = label->contentsRect();
        if (label->wordWrap())
            report(label, label->text(), label->heightForWidth(label->width()), label->height());
        else
            report(label, label->text(), label->fontMetrics().size(0, label->text()).width(), room.width());
    }
    for (QAbstractButton* button : page->findChildren<QAbstractButton*>())
        if (button->isVisibleTo(page) && !button->text().isEmpty())
            report(button, button->text(), button->sizeHint().width(), button->width());
    for (QComboBox* list : page->findChildren<QComboBox*>())
        if (list->isVisibleTo(page))
            report(list, list->currentText(), list->sizeHint().width(), list->width());
    for (QLineEdit* field : page->findChildren<QLineEdit*>())
        if (field->isVisibleTo(page) && field->objectName().endsWith("Edit") &&
            !qobject_cast<QComboBox*>(field->parent()))
            report(field, "a typical value", field->fontMetrics().horizontalAdvance("9999"), field->width());
    if (auto* files = page->findChild<QPlainTextEdit*>("generatedFilesEdit");
        files && files->isVisibleTo(page))
        report(files, "generated files", files->verticalScrollBar()->maximum(), 0);
    return cut.join('\n').toStdString();
}
