#pragma once

#include <QString>

// The Step 2 warning about a width that is not a positive number.
inline const QString widthMessage =
    QStringLiteral("\"Width of the text scroll\" field require numerical value, the minumum value is 1");
