#include "preview/PreviewWnd.h"

#include "preview/PreviewBrowser.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace {

// The page's scripts cannot see or disturb what the window asks of it in a world of its own.
constexpr quint32 windowWorld = QWebEngineScript::ApplicationWorld;
// Two animation frames after the marker is set, the engine has handed the page's first frame over.
constexpr const char* markFirstFrame =
    "window.scrollTo(%1, %2);"
    "window.requestAnimationFrame(function () {"
    "  window.requestAnimationFrame(function () { window.marquettoDrawn = true; });"
    "});";
constexpr const char* askFirstFrame = "window.marquettoDrawn === true";
constexpr int askAgainMs = 8;

} // namespace

PreviewWnd::PreviewWnd(std::function<void(const QRect&)> onClose)
    : QWidget(nullptr, Qt::Window), onClose_(std::move(onClose)), front_(new PreviewBrowser(this)),
      back_(new PreviewBrowser(this)), note_(new QLabel(this))
{
    setObjectName("previewWindow");
    setWindowTitle(tr("Live Preview"));
    setAttribute(Qt::WA_DeleteOnClose);
    front_->setObjectName("previewBrowser");
    back_->setObjectName("previewBrowserBehind");
    back_->hide();
    note_->setObjectName("previewNote");
    note_->setAutoFillBackground(true);
    note_->setBackgroundRole(QPalette::ToolTipBase);
    note_->setForegroundRole(QPalette::ToolTipText);
    note_->setContentsMargins(6, 3, 6, 3);
    // However narrow the window, the whole reason can be read: the note takes the lines it needs and
    // never makes the window wider.
    note_->setWordWrap(true);
    note_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    note_->hide();
    // Both views share one place; the one in front covers the other.
    auto* views = new QGridLayout;
    views->addWidget(front_, 0, 0);
    views->addWidget(back_, 0, 0);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(views, 1);
    layout->addWidget(note_);
    // Only the page asked for counts: the blank page that the view behind rests on, or a page that a
    // newer one replaced, is never brought forward.
    for (PreviewBrowser* view : {front_, back_})
        connect(view->page(), &QWebEnginePage::loadingChanged, this,
                [this, view](const QWebEngineLoadingInfo& loading) {
                    if (view == back_ && awaitingBack_ && loading.url() == backPage_ &&
                        loading.status() == QWebEngineLoadingInfo::LoadSucceededStatus)
                        backLoaded();
                });
}

void PreviewWnd::setLinkOpener(const std::function<void(const QUrl&)>& openLink)
{
    front_->setLinkOpener(openLink);
    back_->setLinkOpener(openLink);
}

void PreviewWnd::showInPlace(const QUrl& page)
{
    ++backRequest_;
    awaitingBack_ = true;
    backPage_ = page;
    back_->show();
    back_->stackUnder(front_);
    back_->load(page);
}

void PreviewWnd::backLoaded()
{
    const QPointF scrolled = front_->page()->scrollPosition();
    back_->page()->runJavaScript(QString(markFirstFrame).arg(scrolled.x()).arg(scrolled.y()), windowWorld);
    askWhetherDrawn();
}

void PreviewWnd::askWhetherDrawn()
{
    const int request = backRequest_;
    back_->page()->runJavaScript(askFirstFrame, windowWorld, [this, request](const QVariant& drawn) {
        if (request != backRequest_)
            return;
        if (drawn.toBool())
            bringBackForward();
        else
            QTimer::singleShot(askAgainMs, this, [this, request] {
                if (request == backRequest_)
                    askWhetherDrawn();
            });
    });
}

// The old box stops once it is out of sight, and its view waits behind for the next page.
void PreviewWnd::bringBackForward()
{
    ++backRequest_;
    awaitingBack_ = false;
    const bool focused = front_->hasFocus();
    back_->raise();
    std::swap(front_, back_);
    front_->setObjectName("previewBrowser");
    back_->setObjectName("previewBrowserBehind");
    if (focused)
        front_->setFocus();
    back_->hide();
    back_->setUrl(QUrl(QStringLiteral("about:blank")));
    emit pageInFront(backPage_);
}

void PreviewWnd::showNote(const QString& note)
{
    note_->setText(QString(note).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    note_->setToolTip(note_->text());
    note_->setVisible(!note.isEmpty());
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
