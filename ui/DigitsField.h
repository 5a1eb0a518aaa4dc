#pragma once

#include <QLineEdit>

// A short text field for a typed number: the user can type digits only, a loaded value shows as it is.
class DigitsField : public QLineEdit
{
    Q_OBJECT

public:
    explicit DigitsField(const QString& objectName, QWidget* parent = nullptr);
};
