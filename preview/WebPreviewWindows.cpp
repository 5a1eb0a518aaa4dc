#include "preview/WebPreviewWindows.h"

#include "preview/PreviewBrowser.h"
#include "preview/PreviewWnd.h"

QWidget* WebPreviewWindows::openWindow(const QUrl& page, const QRect& outer,
                                       std::function<void(const QRect&)> onClose,
                                       std::function<void(const QUrl&)> openLink)
{
    auto* window = new PreviewWnd(std::move(onClose));
    window->browser()->setLinkOpener(std::move(openLink));
    window->setOuterGeometry(outer);
    window->browser()->load(page);
    window->show();
    return window;
}

void WebPreviewWindows::reload(QWidget* window)
{
    if (auto* preview = qobject_cast<PreviewWnd*>(window)) {
        preview->browser()->reload();
        preview->activateWindow();
        preview->browser()->setFocus();
    }
}
