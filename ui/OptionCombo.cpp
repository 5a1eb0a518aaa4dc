#include "ui/OptionCombo.h"

#include "project/OptionLists.h"

OptionCombo::OptionCombo(const std::vector<std::string_view>& entries, const QString& objectName,
                         QWidget* parent)
    : QComboBox(parent), entries_(entries)
{
    setObjectName(objectName);
    for (std::string_view entry : entries)
        addItem(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
}

void OptionCombo::selectPosition(int position)
{
    setCurrentIndex(OptionLists::shownPosition(entries_, position));
}
