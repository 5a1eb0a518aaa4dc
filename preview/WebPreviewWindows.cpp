#include "preview/WebPreviewWindows.h"

#include "preview/PreviewBrowser.h"
#include "preview/PreviewWnd.h"

// A window still open goes without a report: nobody waits for one any more.
WebPreviewWindows::~WebPreviewWindows()
{
    delete window_;
}

void WebPreviewWindows::openWindow(const QUrl& page, const QRect& outer, Events events)
{
    window_ = new PreviewWnd(std::move(events.closed));
    window_->setLinkOpener(events.openLink);
    window_->setOuterGeometry(outer);
    window_->browser()->load(page);
    window_->show();
}

void WebPreviewWindows::reload()
{
    if (!window_)
        return;
    window_->browser()->reload();
    window_->activateWindow();
    window_->browser()->setFocus();
}

void WebPreviewWindows::update(const QUrl& page)
{
    if (window_)
        window_->showInPlace(page);
}

void WebPreviewWindows::showNote(const QString& note)
{
    if (window_)
        window_->showNote(note);
}

PreviewWnd* WebPreviewWindows::window() const
{
    return window_;
}
