#include "ui/DigitsOnlyValidator.h"

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

DigitsOnlyValidator::DigitsOnlyValidator(QLineEdit* field) : AcceptedTextValidator(field) {}

bool DigitsOnlyValidator::refuses(const QString& input, const QString& acceptedText) const
{
    return !isSubsequence(withoutDigits(input), withoutDigits(acceptedText));
}
