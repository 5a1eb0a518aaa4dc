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
    window_->browser()->setLinkOpener(std::move(events.openLink));
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

PreviewWnd* WebPreviewWindows::window() const
{
    return window_;
}
