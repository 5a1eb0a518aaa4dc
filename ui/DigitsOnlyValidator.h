#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// Lets the user type digits only into a field, while a value loaded from a project file is shown as it
// is: characters already in the field may stay or be deleted, but no other non-digit can be added.
class DigitsOnlyValidator : public QValidator
{
    Q_OBJECT

public:
    explicit DigitsOnlyValidator(QLineEdit* field);

    State validate(QString& input, int& position) const override;

private:
    QString acceptedText_;
};
