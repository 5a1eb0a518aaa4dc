#pragma once

#include <QHBoxLayout>

class QDialog;
class QPushButton;

// "OK" and "Cancel" at the right end of a dialog's last row: OK is the default button and accepts the
// dialog, Cancel rejects it.
class OkCancelRow : public QHBoxLayout
{
    Q_OBJECT

public:
    explicit OkCancelRow(QDialog* dialog);

    QPushButton* okButton() const { return ok_; }

private:
    QPushButton* ok_;
};
