#include "ui/DigitsField.h"

#include "ui/DialogUnits.h"
#include "ui/DigitsOnlyValidator.h"
#include "ui/FieldHint.h"

namespace {

constexpr int fieldWidthUnits = 32;

} // namespace

DigitsField::DigitsField(const QString& objectName, QWidget* parent) : QLineEdit(parent)
{
    setObjectName(objectName);
    setFixedWidth(DialogUnits(fontMetrics()).x(fieldWidthUnits));
    new DigitsOnlyValidator(this);
    connect(this, &QLineEdit::inputRejected, this, &DigitsField::explainRejection);
}

QString DigitsField::rejectionText()
{
    return tr("Only the digits 0 to 9 can be entered here.");
}

void DigitsField::explainRejection()
{
    FieldHint::show(this, rejectionText());
}
