#include "ui/TabOrder.h"

#include <QLayout>
#include <QWidget>

QWidgetList TabOrder::inLayoutOrder(const QWidget* root)
{
    QWidgetList found;
    if (root->layout() != nullptr)
        collect(root->layout(), found);
    return found;
}

// A control that takes the focus counts as one stop, whatever it holds; a container is walked through.
void TabOrder::collect(const QLayout* layout, QWidgetList& found)
{
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (QWidget* widget = item->widget()) {
            if (widget->focusPolicy() & Qt::TabFocus)
                found.append(widget);
            else if (widget->layout() != nullptr)
                collect(widget->layout(), found);
        } else if (const QLayout* inner = item->layout()) {
            collect(inner, found);
        }
    }
}

void TabOrder::chain(const QWidgetList& widgets)
{
    for (qsizetype i = 1; i < widgets.size(); ++i)
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
}
