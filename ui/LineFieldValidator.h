#pragma once

#include "ui/AcceptedTextValidator.h"

// Keeps out of a one-line field what its value cannot hold as typed, and says so at the field when it
// refuses a keystroke or a paste: a line break, tab or other control character, which the box would not
// show as typed, and, where the value goes into the project file as it is, the texts that mark the file's
// records ("qvo-width=", "endof-qvo-tmessage1"). A value loaded with either can still be edited.
class LineFieldValidator : public AcceptedTextValidator
{
    Q_OBJECT

public:
    enum class KeyTexts
    {
        Refused,
        // A title is shown as HTML, so its key texts are stored as character references instead.
        MadeInert
    };

    explicit LineFieldValidator(QLineEdit* field, KeyTexts keyTexts = KeyTexts::Refused);

    static QString rejectionText();
    static QString lineBreakText();

protected:
    bool refuses(const QString& input, const QString& acceptedText) const override;

private:
    KeyTexts keyTexts_;
    mutable QString refusal_;
};
