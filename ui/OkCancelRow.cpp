#include "ui/OkCancelRow.h"

#include "ui/NamedButton.h"

#include <QDialog>

OkCancelRow::OkCancelRow(QDialog* dialog) : ok_(namedButton(tr("OK"), "okButton"))
{
    QPushButton* cancel = namedButton(tr("Cancel"), "cancelButton");
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    addStretch();
    addWidget(ok_);
    addWidget(cancel);
}
