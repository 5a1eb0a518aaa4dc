#pragma once

#include "preview/PreviewWindows.h"

#include <QPointer>

class PreviewWnd;

// Preview windows made of a PreviewWnd and its web engine view, in the process that asks for them.
class WebPreviewWindows : public PreviewWindows
{
public:
    ~WebPreviewWindows() override;

    void openWindow(const QUrl& page, const QRect& outer, Events events) override;
    void reload() override;
    void update(const QUrl& page) override;
    void showNote(const QString& note) override;

    // The open window, if any.
    PreviewWnd* window() const;

private:
    QPointer<PreviewWnd> window_;
};
