#include "ui/DigitsField.h"

#include "ui/DialogUnits.h"
#include "ui/DigitsOnlyValidator.h"

namespace {

constexpr int fieldWidthUnits = 32;

} // namespace

DigitsField::DigitsField(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setFixedWidth(DialogUnits(fontMetrics()).x(fieldWidthUnits));
    new DigitsOnlyValidator(this);
}
