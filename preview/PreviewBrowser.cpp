#include "preview/PreviewBrowser.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>

// A request that is left unanswered opens no window in the engine. Only a click may open the browser,
// as a browser's pop-up blocker has it: a message's markup cannot open windows by itself.
PreviewBrowser::PreviewBrowser(QWidget* parent) : QWebEngineView(parent)
{
    connect(page(), &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        if (openLink_ && request.isUserInitiated() && request.requestedUrl().isValid())
            openLink_(request.requestedUrl());
    });
}
