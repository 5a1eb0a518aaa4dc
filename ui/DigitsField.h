#pragma once

#include <QLineEdit>

// A short text field for a typed number: the user can type digits only, a loaded value shows as it is.
// A character that the field refuses, typed or pasted, is not dropped in silence: a hint beside the
// field says why, so that "1.5" does not turn into "15" unnoticed.
class DigitsField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DigitsField(const QString& objectName, QWidget* parent = nullptr);

    static QString rejectionText();

private:
    void explainRejection();
};
