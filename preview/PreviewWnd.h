#pragma once

#include <QWidget>

#include <functional>
#include <optional>

class PreviewBrowser;

// The preview window: a top-level frame whose only content is the HTML view showing preview.html.
class PreviewWnd : public QWidget
{
    Q_OBJECT

public:
    // onClose gets the window's outer rectangle as it was when the user closed it.
    explicit PreviewWnd(std::function<void(const QRect&)> onClose);

    PreviewBrowser* browser() const { return browser_; }

    // Places the window so that its outer rectangle, frame included, is `outer`. The window manager
    // tells the size of its frame only after the window is shown; until then the frame counts as none,
    // and the size is corrected once the frame is known.
    void setOuterGeometry(const QRect& outer);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnClose();
    QSize frameSize() const;
    void fitToFrame();

    std::function<void(const QRect&)> onClose_;
    PreviewBrowser* browser_;
    std::optional<QRect> pendingOuter_;
};
