#pragma once

#include <QObject>
#include <QRect>
#include <QStringList>

#include <functional>
#include <memory>

class LivePreview;
class Platform;
class PreviewWindows;
class ProjectRecord;
class QScreen;
class uc;

// What the Step 5 buttons do with the files of the last generation run: show them in the preview window
// or the user's browser, copy them into a web folder, and copy the snippet.
class PublishingActions : public QObject
{
    Q_OBJECT

public:
    PublishingActions(const ProjectRecord& record, Platform& platform, uc& page,
                      std::unique_ptr<PreviewWindows> previewWindows);
    // The preview window goes with the wizard.
    ~PublishingActions() override;

    void ShowPreview();
    void ResetPreviewButton();
    void PreviewInBrowser();
    void CopyFilesInto();
    void CopySnippet();

    bool previewOpen() const { return previewOpen_; }

    // From now on the preview window shows `design`, generated into a folder of the preview's own, and
    // follows each change to it that designChanged() reports; without this it shows the working folder's
    // preview page as the last entry to Step 5 left it.
    void followDesign(std::function<ProjectRecord()> design);
    void designChanged();
    // The preview's own generation, while the window follows the design.
    LivePreview* livePreview() const { return live_; }

    // The outer rectangle of the first preview window for a box of the given size.
    static QRect boxedRect(int boxWidth, int boxHeight);
    // `outer` moved, and shrunk where it must be, to lie inside `area`.
    static QRect clampedToScreen(const QRect& outer, const QRect& area);

private:
    static constexpr int margin = 100;
    // A box of no size still gives a window with room for its title bar; one far too large is cut to a
    // size that the clamping to the screen can take without overflow.
    static constexpr int minimumSide = margin;
    static constexpr int maximumSide = 1 << 20;

    QString previewPath() const;
    QUrl pageToOpen();
    void openPreviewWindow();
    void showLiveBox(const QUrl& page);
    void showRefusal(const QString& why);
    QScreen* screenFor(const QRect& outer) const;
    void previewClosed(const QRect& outer);
    void previewGone();
    struct CopyOutcome
    {
        QStringList copied;
        QStringList failures;
    };
    CopyOutcome copyNewsBoxFiles(const QString& folder);
    static QString copyReport(const QString& folder, const CopyOutcome& outcome);

    const ProjectRecord& record_;
    Platform& platform_;
    uc& page_;
    std::unique_ptr<PreviewWindows> previewWindows_;
    bool previewOpen_ = false;
    bool previewShownOnce_ = false;
    QRect previewRect_;
    LivePreview* live_ = nullptr;
    QString note_;
    // The folder chooser starts where the files went last time.
    QString copyFolder_;
};
