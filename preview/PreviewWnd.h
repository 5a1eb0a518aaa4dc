#pragma once

#include <QWidget>

#include <functional>

class PreviewBrowser;

// The preview window: a top-level frame whose only content is the HTML view showing preview.html.
class PreviewWnd : public QWidget
{
    Q_OBJECT

public:
    // onClose gets the window's outer rectangle as it was when the user closed it.
    explicit PreviewWnd(std::function<void(const QRect&)> onClose);

    PreviewBrowser* browser() const { return browser_; }

    // Places the window so that its outer rectangle, frame included, is `outer`.
    void setOuterGeometry(const QRect& outer);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void OnClose();

    std::function<void(const QRect&)> onClose_;
    PreviewBrowser* browser_;
};
