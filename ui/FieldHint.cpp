#include "ui/FieldHint.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <QToolTip>

#include <algorithm>

namespace {

constexpr int gap = 4;

bool isModifierOnly(const QEvent* event)
{
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock;
}

} // namespace

void FieldHint::show(QWidget* field, const QString& text)
{
    of(field->window())->attach(field, text);
}

const FieldHint* FieldHint::shownAt(const QWidget* field)
{
    const auto* hint = field->window()->findChild<FieldHint*>(QString(), Qt::FindDirectChildrenOnly);
    return hint && hint->isVisible() && hint->field_ == field ? hint : nullptr;
}

FieldHint::FieldHint(QWidget* window) : QLabel(window)
{
    setObjectName("fieldHint");
    // Not a window of its own: a tooltip window would catch the click meant for the control under it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // A hint may name the characters refused, "<" among them.
    setTextFormat(Qt::PlainText);
    setPalette(QToolTip::palette());
    setFont(QToolTip::font());
    setForegroundRole(QPalette::ToolTipText);
    setBackgroundRole(QPalette::ToolTipBase);
    setMargin(1 + style()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, nullptr, this));
    setIndent(1);
    setVisible(false);
}

FieldHint* FieldHint::of(QWidget* window)
{
    auto* hint = window->findChild<FieldHint*>(QString(), Qt::FindDirectChildrenOnly);
    return hint ? hint : new FieldHint(window);
}

void FieldHint::attach(QWidget* field, const QString& text)
{
    field_ = field;
    connect(field, &QObject::destroyed, this, &FieldHint::dismiss, Qt::UniqueConnection);
    setText(text);
    place();
    raise();
    setVisible(true);
    qApp->installEventFilter(this);
}

void FieldHint::dismiss()
{
    qApp->removeEventFilter(this);
    setVisible(false);
}

// Watches the whole application while shown: the refused key has been handled by the time the hint
// appears, so any further key or click is the user moving on.
bool FieldHint::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (!isModifierOnly(event))
            dismiss();
        break;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::TouchBegin:
        dismiss();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (watched == field_)
            dismiss();
        break;
    default:
        break;
    }
    return false;
}

void FieldHint::paintEvent(QPaintEvent* event)
{
    QStylePainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    painter.drawPrimitive(QStyle::PE_PanelTipLabel, frame);
    painter.end();
    QLabel::paintEvent(event);
}

// Beside the field, to the right and else to the left, where it hides the field's caption or unit
// rather than the next field; only a field too wide for that gets the hint below (or above) it. A text
// wider than the window wraps, so the hint is never cut by the window's edge.
void FieldHint::place()
{
    const QRect room = parentWidget()->rect().adjusted(gap, gap, -gap, -gap);
    const QRect field = fieldRect();
    setWordWrap(false);
    QSize size = sizeHint();
    if (size.width() > room.width()) {
        setWordWrap(true);
        size = QSize(room.width(), heightForWidth(room.width()));
    }
    const int besideTop = std::clamp(field.center().y() - size.height() / 2, room.top(),
                                     std::max(room.top(), room.bottom() + 1 - size.height()));
    const int underLeft = std::clamp(field.left(), room.left(), room.right() + 1 - size.width());
    const QRect candidates[] = {
        {QPoint(field.right() + 1 + gap, besideTop), size},
        {QPoint(field.left() - gap - size.width(), besideTop), size},
        {QPoint(underLeft, field.bottom() + 1 + gap), size},
        {QPoint(underLeft, field.top() - gap - size.height()), size},
    };
    const auto fits = std::find_if(std::begin(candidates), std::end(candidates),
                                   [&](const QRect& candidate) { return room.contains(candidate); });
    setGeometry(fits != std::end(candidates) ? *fits : candidates[2]);
}

QRect FieldHint::fieldRect() const
{
    return QRect(field_->mapTo(parentWidget(), QPoint(0, 0)), field_->size());
}
