#pragma once

#include "ui/AboutDialog.h"

// The About box of the wizard window, opened by F1 and by "&About Quorvo..." in its context menu.
class CAboutDlg : public AboutDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr) : AboutDialog(parent) { setObjectName("aboutDialog"); }
};
