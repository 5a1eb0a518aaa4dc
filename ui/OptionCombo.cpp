#include "ui/OptionCombo.h"

OptionCombo::OptionCombo(const std::vector<std::string_view>& entries, const QString& objectName,
                         QWidget* parent)
    : QComboBox(parent)
{
    setObjectName(objectName);
    for (std::string_view entry : entries)
        addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
}

void OptionCombo::selectPosition(int position)
{
    setCurrentIndex(position >= 0 && position < count() ? position : -1);
}
