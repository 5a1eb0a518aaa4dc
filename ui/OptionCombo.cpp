#include "ui/OptionCombo.h"

#include "project/OptionLists.h"

#include <QCoreApplication>

#include <string>

namespace {

// The core keeps the lists in English and knows nothing of translation; lupdate finds their names here.
// Font names are names and stay as they are.
[[maybe_unused]] const char* const shownOptionNames[] = {
    QT_TRANSLATE_NOOP("OptionLists", "Plain"),
    QT_TRANSLATE_NOOP("OptionLists", "Bold"),
    QT_TRANSLATE_NOOP("OptionLists", "Italic"),
    QT_TRANSLATE_NOOP("OptionLists", "Bold+Italic"),
    QT_TRANSLATE_NOOP("OptionLists", "None"),
    QT_TRANSLATE_NOOP("OptionLists", "Underline"),
    QT_TRANSLATE_NOOP("OptionLists", "Left"),
    QT_TRANSLATE_NOOP("OptionLists", "Center"),
    QT_TRANSLATE_NOOP("OptionLists", "Right"),
    QT_TRANSLATE_NOOP("OptionLists", "Solid"),
    QT_TRANSLATE_NOOP("OptionLists", "Dotted"),
    QT_TRANSLATE_NOOP("OptionLists", "Dashed"),
    QT_TRANSLATE_NOOP("OptionLists", "News Scroller"),
    QT_TRANSLATE_NOOP("OptionLists", "News Fader"),
    QT_TRANSLATE_NOOP("OptionLists", "Fade"),
    QT_TRANSLATE_NOOP("OptionLists", "GradientWipe"),
    QT_TRANSLATE_NOOP("OptionLists", "Iris"),
    QT_TRANSLATE_NOOP("OptionLists", "Pixelate"),
    QT_TRANSLATE_NOOP("OptionLists", "Radial Wipe"),
    QT_TRANSLATE_NOOP("OptionLists", "Random Dissolve"),
    QT_TRANSLATE_NOOP("OptionLists", "Slide"),
    QT_TRANSLATE_NOOP("OptionLists", "Wheel"),
    QT_TRANSLATE_NOOP("OptionLists", "Zigzag"),
    QT_TRANSLATE_NOOP("OptionLists", "Slow"),
    QT_TRANSLATE_NOOP("OptionLists", "Normal"),
    QT_TRANSLATE_NOOP("OptionLists", "Fast"),
    QT_TRANSLATE_NOOP("OptionLists", "Very fast"),
    QT_TRANSLATE_NOOP("OptionLists", "Wait to finish mode"),
    QT_TRANSLATE_NOOP("OptionLists", "Page by page mode"),
    QT_TRANSLATE_NOOP("OptionLists", "Continuous mode"),
};

} // namespace

OptionCombo::OptionCombo(const std::vector<std::string_view>& entries, const QString& objectName,
                         QWidget* parent)
    : QComboBox(parent), entries_(entries)
{
    setObjectName(objectName);
    for (std::string_view entry : entries)
        addItem(QCoreApplication::translate("OptionLists", std::string(entry).c_str()));
}

void OptionCombo::selectPosition(int position)
{
    setCurrentIndex(OptionLists::shownPosition(entries_, position));
}
