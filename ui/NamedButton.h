#pragma once

#include <QPushButton>

// A push button with the objectName by which tests and the wizard's code find it.
inline QPushButton* namedButton(const QString& caption, const char* objectName, int minimumWidth = 0)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    if (minimumWidth > 0)
        button->setMinimumWidth(minimumWidth);
    return button;
}
