#pragma once

#include <QRect>
#include <QString>
#include <QUrl>

#include <functional>

// Shows the preview window, one at a time, wherever its web engine runs.
class PreviewWindows
{
public:
    // What becomes of the window; each may come long after the call that opened it.
    struct Events
    {
        // The user closed the window; its outer rectangle at that moment.
        std::function<void(const QRect&)> closed;
        // A link that the page opens in a window of its own.
        std::function<void(const QUrl&)> openLink;
        // The window could not be opened: why, naming what was missing.
        std::function<void(const QString&)> failed;
        // The window went away without being closed: why.
        std::function<void(const QString&)> stopped;
    };

    virtual ~PreviewWindows() = default;

    // A new top-level window showing `page`, whose outer rectangle is `outer`.
    virtual void openWindow(const QUrl& page, const QRect& outer, Events events) = 0;

    // Reloads what the open window's view shows and gives the view the keyboard focus.
    virtual void reload() = 0;

    // Shows `page` in the open window in place of what it shows, with no empty view between the two; the
    // window keeps its place, size, scroll position and focus.
    virtual void update(const QUrl& page) = 0;
    // A note inside the open window's frame, on as many lines as it takes; an empty one takes it away.
    virtual void showNote(const QString& note) = 0;
};
