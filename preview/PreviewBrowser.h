#pragma once

#include <QWebEngineView>

#include <functional>

// The HTML view that fills the preview window. A link that asks for a window of its own (a target of
// "_blank" or of a frame name that the page does not have) opens in the user's web browser, since the
// preview has no windows to give it.
class PreviewBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    explicit PreviewBrowser(QWidget* parent = nullptr);

    void setLinkOpener(std::function<void(const QUrl&)> openLink) { openLink_ = std::move(openLink); }

private:
    std::function<void(const QUrl&)> openLink_;
};
