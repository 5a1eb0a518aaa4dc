#include "ui/DigitsField.h"

#include "ui/DigitsOnlyValidator.h"

namespace {

constexpr int fieldWidth = 56;

} // namespace

DigitsField::DigitsField(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setFixedWidth(fieldWidth);
    new DigitsOnlyValidator(this);
}
