#include "ui/PageLayout.h"

#include <QGroupBox>
#include <QLayout>

QGroupBox* PageLayout::group(const QString& title, QLayout* content)
{
    auto* box = new QGroupBox(title);
    box->setLayout(content);
    return box;
}
