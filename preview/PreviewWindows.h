#pragma once

#include <QRect>
#include <QUrl>

#include <functional>

class QWidget;

// Makes the preview windows. Their web engine sits in a module of its own, loaded when the first preview
// opens, so that the wizard starts as fast as a plain dialog.
class PreviewWindows
{
public:
    virtual ~PreviewWindows() = default;

    // A new top-level window showing `page`, whose outer rectangle is `outer`; it deletes itself when
    // closed, after telling onClose its outer rectangle at that moment. A link that the page opens in a
    // window of its own goes to openLink instead.
    virtual QWidget* openWindow(const QUrl& page, const QRect& outer,
                                std::function<void(const QRect&)> onClose,
                                std::function<void(const QUrl&)> openLink) = 0;

    // Reloads what the window's view shows and gives the view the keyboard focus.
    virtual void reload(QWidget* window) = 0;
};
