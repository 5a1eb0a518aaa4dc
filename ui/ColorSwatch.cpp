#include "ui/ColorSwatch.h"

#include "platform/Platform.h"
#include "project/RgbColor.h"

#include <QLabel>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace {

int component(int value)
{
    return std::clamp(value, 0, 255);
}

} // namespace

ColorSwatch::ColorSwatch(RgbColor& color, Platform& platform, QWidget* parent)
    : QAbstractButton(parent), color_(color), platform_(platform)
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(this, &QAbstractButton::clicked, this, &ColorSwatch::chooseColor);
}

QSize ColorSwatch::sizeHint() const
{
    const int side = fontMetrics().height() + 6;
    return {side, side};
}

void ColorSwatch::refresh()
{
    setAccessibleName(caption() + QLatin1Char(' ') + shownColor().name(QColor::HexRgb).toUpper());
    update();
}

// The text of the label whose buddy the swatch is.
QString ColorSwatch::caption() const
{
    if (parentWidget() != nullptr) {
        for (const QLabel* label : parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
            if (label->buddy() == this)
                return label->text();
    }
    return tr("Color :");
}

void ColorSwatch::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(rect().adjusted(3, 3, -3, -3), shownColor());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// A project file may carry components outside 0 to 255; they are kept, and only painted clamped.
QColor ColorSwatch::shownColor() const
{
    return QColor(component(color_.red), component(color_.green), component(color_.blue));
}

void ColorSwatch::chooseColor()
{
    const std::optional<QColor> chosen = platform_.chooseColor(window(), shownColor());
    if (!chosen)
        return;
    color_ = RgbColor{chosen->red(), chosen->green(), chosen->blue()};
    refresh();
    emit colorChosen();
}
