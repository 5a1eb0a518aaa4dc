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
    : QValidator(field), acceptedText_(field->text()), keyTexts_(keyTexts)
{
    field->setValidator(this);
    // setText() bypasses validation, so every text the field takes on becomes the new reference.
    connect(field, &QLineEdit::textChanged, this, [this](const QString& text) { acceptedText_ = text; });
    connect(field, &QLineEdit::inputRejected, this, [this, field] { FieldHint::show(field, refusal_); });
}

QValidator::State LineFieldValidator::validate(QString& input, int&) const
{
    if (breaksLine(input) && !breaksLine(acceptedText_)) {
        refusal_ = lineBreakText();
        return Invalid;
    }
    if (keyTexts_ == KeyTexts::Refused && holdsKeyText(input) && !holdsKeyText(acceptedText_)) {
        refusal_ = rejectionText();
        return Invalid;
    }
    return Acceptable;
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
