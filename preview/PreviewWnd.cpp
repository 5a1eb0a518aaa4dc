#include "preview/PreviewWnd.h"

#include "preview/PreviewBrowser.h"

#include <QCloseEvent>
#include <QVBoxLayout>

PreviewWnd::PreviewWnd(std::function<void(const QRect&)> onClose)
    : QWidget(nullptr, Qt::Window), onClose_(std::move(onClose)), browser_(new PreviewBrowser(this))
{
    setObjectName("previewWindow");
    setWindowTitle("Preview");
    setAttribute(Qt::WA_DeleteOnClose);
    browser_->setObjectName("previewBrowser");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
}

void PreviewWnd::setOuterGeometry(const QRect& outer)
{
    const QSize frame = frameGeometry().size() - geometry().size();
    move(outer.topLeft());
    resize(outer.size() - frame);
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
