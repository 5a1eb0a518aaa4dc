#pragma once

#include <QWebEngineView>

// The HTML view that fills the preview window.
class PreviewBrowser : public QWebEngineView
{
    Q_OBJECT

public:
    using QWebEngineView::QWebEngineView;
};
