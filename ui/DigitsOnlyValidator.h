#pragma once

#include "ui/AcceptedTextValidator.h"

// Lets the user type digits only into a field, while a value loaded from a project file is shown as it
// is: characters already in the field may stay or be deleted, but no other non-digit can be added.
class DigitsOnlyValidator : public AcceptedTextValidator
{
    Q_OBJECT

public:
    explicit DigitsOnlyValidator(QLineEdit* field);

protected:
    bool refuses(const QString& input, const QString& acceptedText) const override;
};
