// Copyright (C) 2026 The Marquetto developers. MIT licence: see the file LICENSE.
#include "ui/AboutDialog.h"

#include "MarquettoVersion.h"
#include "ui/Artwork.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Marquetto"));
    setWindowIcon(Artwork::applicationIcon());

    auto* icon = new QLabel;
    icon->setPixmap(Artwork::applicationIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop);
    auto* name = new QLabel(QStringLiteral("Marquetto"));
    name->setObjectName("productName");
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.6);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* details =
        new QLabel(tr("Version %1\nNews box wizard for web authors\n\n%2\nMIT licence")
                       .arg(QStringLiteral(MARQUETTO_VERSION), QStringLiteral(MARQUETTO_COPYRIGHT)));
    details->setObjectName("aboutDetails");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName("okButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(20, 20, 20, 16);
    layout->setHorizontalSpacing(20);
    layout->setVerticalSpacing(6);
    layout->addWidget(icon, 0, 0, 2, 1);
    layout->addWidget(name, 0, 1);
    layout->addWidget(details, 1, 1, Qt::AlignTop);
    layout->setRowMinimumHeight(2, 12);
    layout->addWidget(buttons, 3, 0, 1, 2);
    layout->setColumnMinimumWidth(1, 220);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
