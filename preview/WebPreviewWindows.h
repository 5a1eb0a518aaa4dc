#pragma once

#include "preview/PreviewWindows.h"

// Preview windows made of a PreviewWnd and its web engine view.
class WebPreviewWindows : public PreviewWindows
{
public:
    QWidget* openWindow(const QUrl& page, const QRect& outer, std::function<void(const QRect&)> onClose,
                        std::function<void(const QUrl&)> openLink) override;
    void reload(QWidget* window) override;
};
