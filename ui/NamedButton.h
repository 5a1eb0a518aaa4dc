#pragma once

#include "ui/DialogUnits.h"

#include <QPushButton>

// A push button with the objectName by which tests and the wizard's code find it; its least width is
// given in dialog units.
inline QPushButton* namedButton(const QString& caption, const char* objectName, int minimumWidthUnits = 0)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    if (minimumWidthUnits > 0)
        button->setMinimumWidth(DialogUnits(button->fontMetrics()).x(minimumWidthUnits));
    return button;
}
