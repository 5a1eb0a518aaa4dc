#pragma once

#include "ui/AcceptedTextValidator.h"

// Keeps the texts that mark a project file's records ("qvo-width=", "endof-qvo-tmessage1") out of a field
// whose value goes into the file as it is typed, and says so at the field when it refuses a keystroke or a
// paste. A value loaded with such a text can still be edited.
class KeyTextValidator : public AcceptedTextValidator
{
    Q_OBJECT

public:
    explicit KeyTextValidator(QLineEdit* field);

    static QString rejectionText();

protected:
    bool refuses(const QString& input, const QString& acceptedText) const override;
};
