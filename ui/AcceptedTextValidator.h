#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

// A field's validator that judges each edit against the text the field last accepted, so that a value
// loaded from a project file (which setText() puts in without asking) can still be edited even where it
// holds what could not be typed. Each kind says only what it refuses.
class AcceptedTextValidator : public QValidator
{
    Q_OBJECT

public:
    State validate(QString& input, int& position) const final;

protected:
    explicit AcceptedTextValidator(QLineEdit* field);

    virtual bool refuses(const QString& input, const QString& acceptedText) const = 0;

private:
    QString acceptedText_;
};
