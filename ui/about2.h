#pragma once

#include "ui/AboutDialog.h"

// The About box opened by the "About" button of the Step 1 page.
class about2 : public AboutDialog
{
    Q_OBJECT

public:
    explicit about2(QWidget* parent = nullptr) : AboutDialog(parent) { setObjectName("stepOneAboutDialog"); }
};
