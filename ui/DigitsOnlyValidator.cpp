#include "ui/DigitsOnlyValidator.h"

#include <QLineEdit>

namespace {

bool isDigit(QChar character)
{
    return character >= u'0' && character <= u'9';
}

QString withoutDigits(const QString& text)
{
    QString rest;
    for (QChar character : text) {
        if (!isDigit(character))
            rest.append(character);
    }
    return rest;
}

bool isSubsequence(const QString& part, const QString& whole)
{
    qsizetype next = 0;
    for (QChar character : part) {
        next = whole.indexOf(character, next);
        if (next < 0)
            return false;
        ++next;
    }
    return true;
}

} // namespace

DigitsOnlyValidator::DigitsOnlyValidator(QLineEdit* field) : QValidator(field), acceptedText_(field->text())
{
    field->setValidator(this);
    // setText() bypasses validation, so every text the field takes on becomes the new reference.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { acceptedText_ = text; });
}

QValidator::State DigitsOnlyValidator::validate(QString& input, int&) const
{
    return isSubsequence(withoutDigits(input), withoutDigits(acceptedText_)) ? Acceptable : Invalid;
}
