#include "preview/PublishingActions.h"

#include "generator/Generator.h"
#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "preview/PreviewWindows.h"
#include "project/FileNames.h"
#include "project/IntegerText.h"
#include "project/ProjectRecord.h"
#include "ui/uc.h"

#include <QUrl>

PublishingActions::PublishingActions(const ProjectRecord& record, Platform& platform, uc& page,
                                     PreviewWindowsSource previewWindows)
    : QObject(&page), record_(record), platform_(platform), page_(page),
      previewWindowsSource_(std::move(previewWindows))
{
    connect(&page, &uc::previewRequested, this, &PublishingActions::ShowPreview);
    connect(&page, &uc::previewInBrowserRequested, this, &PublishingActions::PreviewInBrowser);
    connect(&page, &uc::copyFilesRequested, this, &PublishingActions::CopyFilesInto);
    connect(&page, &uc::copyRequested, this, &PublishingActions::CopySnippet);
}

PublishingActions::~PublishingActions()
{
    delete previewWindow_;
}

QString PublishingActions::previewPath() const
{
    return RecordPath::toPath(record_.workFolder) + "preview.html";
}

void PublishingActions::ShowPreview()
{
    if (!previewWindows_) {
        const Expected<PreviewWindows*> windows = previewWindowsSource_();
        if (!windows.ok()) {
            platform_.showMessage(&page_, QString::fromStdString(windows.error().message()));
            return;
        }
        previewWindows_ = windows.value();
    }
    if (previewOpen_ && previewWindow_)
        previewWindows_->reload(previewWindow_);
    else
        openPreviewWindow(*previewWindows_);
    previewOpen_ = true;
    previewShownOnce_ = true;
}

// The first window of the run is sized from the box; later ones reopen where the last one was closed.
void PublishingActions::openPreviewWindow(PreviewWindows& windows)
{
    if (!previewShownOnce_)
        previewRect_ =
            QRect(0, 0, IntegerText::parse(record_.width) + 100, IntegerText::parse(record_.height) + 100);
    previewWindow_ = windows.openWindow(QUrl::fromLocalFile(previewPath()), previewRect_,
                                        [this](const QRect& outer) { previewClosed(outer); });
    page_.setPreviewButtonCaption("Refresh Preview");
}

void PublishingActions::previewClosed(const QRect& outer)
{
    previewOpen_ = false;
    previewRect_ = outer;
    ResetPreviewButton();
}

void PublishingActions::ResetPreviewButton()
{
    page_.setPreviewButtonCaption("Preview");
}

void PublishingActions::PreviewInBrowser()
{
    platform_.openUrl(QUrl::fromLocalFile(previewPath()));
}

// Any folder can be chosen by naming a file in it, an empty one too; only the folder part is used.
void PublishingActions::CopyFilesInto()
{
    FileDialogOptions options;
    options.caption = "Copy Files into...";
    options.filter = "Marquetto Files (*.js)";
    options.defaultSuffix = "js";
    options.proposedName = "Marquetto Files";
    const std::optional<QString> chosen = platform_.saveFileName(&page_, options);
    if (!chosen)
        return;
    const QString folder = chosen->left(chosen->lastIndexOf('/') + 1);
    const QStringList failures = copyNewsBoxFiles(folder);
    if (!failures.isEmpty())
        platform_.showMessage(&page_, "These files could not be copied into \"" + folder + "\":\n\n" +
                                          failures.join('\n'));
}

QStringList PublishingActions::copyNewsBoxFiles(const QString& folder)
{
    QStringList files = {RecordPath::toPath(Generator::boxFileName(record_, "newsticns6.js")),
                         RecordPath::toPath(Generator::boxFileName(record_, "newsticie.js")),
                         RecordPath::toPath(Generator::boxFileName(record_, "newstic.html"))};
    QStringList failures;
    if (record_.bgImageOn == ProjectRecord::ticked) {
        // The image name comes from a project file that anyone may have written; a name with a folder in
        // it would be copied outside the chosen folder.
        const std::string imageBytes = Generator::imageFileName(record_);
        const QString image = RecordPath::toPath(imageBytes);
        if (FileNames::isPlain(imageBytes))
            files << image;
        else
            failures << "\"" + image +
                            "\": not copied, because a background image name must be a plain file "
                            "name without a folder.";
    }
    const QString from = RecordPath::toPath(record_.workFolder);
    for (const QString& file : files) {
        if (const auto copied = platform_.copyFile(from + file, folder + file); !copied.ok())
            failures << "\"" + file + "\": " + QString::fromLocal8Bit(copied.error().message());
    }
    return failures;
}

void PublishingActions::CopySnippet()
{
    platform_.copyToClipboard(page_.selectWholeSnippet());
}
