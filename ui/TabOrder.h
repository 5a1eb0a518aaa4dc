#pragma once

#include <QWidgetList>

class QLayout;
class QWidget;

// The order in which Tab visits the controls of a window. The layouts of the wizard place controls in
// reading order (rows top to bottom, each row left to right, the numbered groups in their order), so Tab
// follows the layouts rather than the order in which the controls happened to be made.
class TabOrder
{
public:
    // The controls under `root` that Tab can reach, in the order of its layouts, hidden ones included.
    static QWidgetList inLayoutOrder(const QWidget* root);
    // Makes Tab visit `widgets` in this order.
    static void chain(const QWidgetList& widgets);

private:
    static void collect(const QLayout* layout, QWidgetList& found);
};
