#pragma once

#include "preview/PreviewWnd.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QStringList>

class Platform;

class ProjectRecord;
class uc;

// What the Step 5 buttons do with the files of the last generation run: show them in the preview window
// or the user's browser, copy them into a web folder, and copy the snippet.
class PublishingActions : public QObject
{
    Q_OBJECT

public:
    PublishingActions(const ProjectRecord& record, Platform& platform, uc& page);

    void ShowPreview();
    void ResetPreviewButton();
    void PreviewInBrowser();
    void CopyFilesInto();
    void CopySnippet();

    PreviewWnd* previewWindow() const { return previewWindow_; }
    bool previewOpen() const { return previewOpen_; }
    QRect previewRect() const { return previewRect_; }

private:
    QString previewPath() const;
    void openPreviewWindow();
    void previewClosed(const QRect& outer);
    QStringList copyNewsBoxFiles(const QString& folder);

    const ProjectRecord& record_;
    Platform& platform_;
    uc& page_;
    QPointer<PreviewWnd> previewWindow_;
    bool previewOpen_ = false;
    bool previewShownOnce_ = false;
    QRect previewRect_;
};
