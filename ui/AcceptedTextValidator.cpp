#include "ui/AcceptedTextValidator.h"

#include <QLineEdit>

AcceptedTextValidator::AcceptedTextValidator(QLineEdit* field)
    : QValidator(field), acceptedText_(field->text())
{
    field->setValidator(this);
    // setText() bypasses validation, so every text the field takes on becomes the new reference.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { acceptedText_ = text; });
}

QValidator::State AcceptedTextValidator::validate(QString& input, int&) const
{
    return refuses(input, acceptedText_) ? Invalid : Acceptable;
}
