#include "preview/PreviewWnd.h"

#include "preview/PreviewBrowser.h"

#include <QCloseEvent>
#include <QVBoxLayout>

PreviewWnd::PreviewWnd(std::function<void(const QRect&)> onClose)
    : QWidget(nullptr, Qt::Window), onClose_(std::move(onClose)), browser_(new PreviewBrowser(this))
{
    setObjectName("previewWindow");
    setWindowTitle(tr("Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName("previewBrowser");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void PreviewWnd::setOuterGeometry(const QRect& outer)
{
    pendingOuter_ = outer;
    move(outer.topLeft());
    resize(outer.size() - frameSize());
    if (!frameSize().isNull())
        pendingOuter_.reset();
}

QSize PreviewWnd::frameSize() const
{
    return frameGeometry().size() - geometry().size();
}

// The frame arrives with a move or resize once the window manager has put its decorations around the window.
bool PreviewWnd::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::WindowActivate:
        fitToFrame();
        break;
    default:
        break;
    }
    return handled;
}

void PreviewWnd::fitToFrame()
{
    if (pendingOuter_ && !frameSize().isNull())
        setOuterGeometry(*pendingOuter_);
}

void PreviewWnd::closeEvent(QCloseEvent* event)
{
    OnClose();
    QWidget::closeEvent(event);
}

void PreviewWnd::OnClose()
{
    if (onClose_)
        onClose_(frameGeometry());
}
