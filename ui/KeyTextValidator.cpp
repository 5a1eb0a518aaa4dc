#include "ui/KeyTextValidator.h"

#include "project/RecordMarkers.h"
#include "ui/FieldHint.h"

#include <QLineEdit>

namespace {

// The key texts are ASCII, so they are found the same in UTF-8 as in the design's bytes.
bool holdsKeyText(const QString& text)
{
    return RecordMarkers::holdsKeyText(text.toUtf8().toStdString());
}

} // namespace

KeyTextValidator::KeyTextValidator(QLineEdit* field) : AcceptedTextValidator(field)
{
    connect(field, &QLineEdit::inputRejected, this, [field] { FieldHint::show(field, rejectionText()); });
}

bool KeyTextValidator::refuses(const QString& input, const QString& acceptedText) const
{
    return holdsKeyText(input) && !holdsKeyText(acceptedText);
}

QString KeyTextValidator::rejectionText()
{
    return tr("Texts such as \"qvo-width=\" and \"endof-qvo-width\" mark the records of a project file, so "
              "they cannot be entered here.");
}
