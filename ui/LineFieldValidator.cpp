#include "ui/LineFieldValidator.h"

#include "project/FieldCharacters.h"
#include "project/RecordMarkers.h"
#include "ui/FieldHint.h"

#include <QLineEdit>

namespace {

// The key texts are ASCII, so they are found the same in UTF-8 as in the design's bytes.
bool holdsKeyText(const QString& text)
{
    return RecordMarkers::holdsKeyText(text.toUtf8().toStdString());
}

bool breaksLine(const QString& text)
{
    const QList<uint> characters = text.toUcs4();
    return FieldCharacters::firstRefused(std::u32string(characters.begin(), characters.end()), true)
        .has_value();
}

} // namespace

LineFieldValidator::LineFieldValidator(QLineEdit* field, KeyTexts keyTexts)
    : AcceptedTextValidator(field), keyTexts_(keyTexts)
{
    connect(field, &QLineEdit::inputRejected, this, [this, field] { FieldHint::show(field, refusal_); });
}

bool LineFieldValidator::refuses(const QString& input, const QString& acceptedText) const
{
    if (breaksLine(input) && !breaksLine(acceptedText)) {
        refusal_ = lineBreakText();
        return true;
    }
    if (keyTexts_ == KeyTexts::Refused && holdsKeyText(input) && !holdsKeyText(acceptedText)) {
        refusal_ = rejectionText();
        return true;
    }
    return false;
}

QString LineFieldValidator::rejectionText()
{
    return tr("Texts such as \"qvo-width=\" and \"endof-qvo-width\" mark the records of a project file, so "
              "they cannot be entered here.");
}

QString LineFieldValidator::lineBreakText()
{
    return tr("This field holds one line, so a line break, tab or other control character cannot be entered "
              "here.");
}
