#pragma once

#include <QDialog>

// What both About boxes show: the icon, the name "Marquetto", the version and an "OK" button.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
};
