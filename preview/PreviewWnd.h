#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class PreviewBrowser;
class QLabel;

// The preview window: a top-level frame whose only content is the HTML view showing preview.html, with a
// note under it when the design in the wizard cannot be shown.
class PreviewWnd : public QWidget
{
    Q_OBJECT

public:
    // onClose gets the window's outer rectangle as it was when the user closed it.
    explicit PreviewWnd(std::function<void(const QRect&)> onClose);

    // The view in front, which the user sees.
    PreviewBrowser* browser() const { return front_; }
    void setLinkOpener(const std::function<void(const QUrl&)>& openLink);

    // Loads `page` into a view behind the one in front and brings it forward only once it has drawn its
    // first frame, scrolled to where the old one was: the user never sees an empty view. A page asked for
    // while another is still loading takes its place.
    void showInPlace(const QUrl& page);
    // An empty note hides it.
    void showNote(const QString& note);

    // Places the window so that its outer rectangle, frame included, is `outer`. The window manager
    // tells the size of its frame only after the window is shown; until then the frame counts as none,
    // and the size is corrected once the frame is known.
    void setOuterGeometry(const QRect& outer);

signals:
    // A page asked for by showInPlace is now in front.
    void pageInFront(const QUrl& page);

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void OnClose();
    QSize frameSize() const;
    void fitToFrame();
    void backLoaded();
    void askWhetherDrawn();
    void bringBackForward();

    std::function<void(const QRect&)> onClose_;
    PreviewBrowser* front_;
    PreviewBrowser* back_;
    QLabel* note_;
    // Each page asked for counts up, so that the answers about one that was replaced are dropped.
    int backRequest_ = 0;
    bool awaitingBack_ = false;
    QUrl backPage_;
    std::optional<QRect> pendingOuter_;
};
