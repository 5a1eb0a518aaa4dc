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

void PublishingActions::CopyFilesInto()
{
    const std::optional<QString> chosen = platform_.chooseFolder(&page_, "Copy Files into...", copyFolder_);
    if (!chosen)
        return;
    copyFolder_ = *chosen;
    const QString folder = chosen->endsWith('/') ? *chosen : *chosen + '/';
    platform_.showNotice(&page_, copyReport(folder, copyNewsBoxFiles(folder)));
}

PublishingActions::CopyOutcome PublishingActions::copyNewsBoxFiles(const QString& folder)
{
    QStringList files = {RecordPath::toPath(Generator::boxFileName(record_, "newsticns6.js")),
                         RecordPath::toPath(Generator::boxFileName(record_, "newsticie.js")),
                         RecordPath::toPath(Generator::boxFileName(record_, "newstic.html"))};
    CopyOutcome outcome;
    if (record_.bgImageOn == ProjectRecord::ticked) {
        // The image name comes from a project file that anyone may have written; a name with a folder in
        // it would be copied outside the chosen folder.
        const std::string imageBytes = Generator::imageFileName(record_);
        const QString image = RecordPath::toPath(imageBytes);
        if (FileNames::isPlain(imageBytes))
            files << image;
        else
            outcome.failures << "\"" + image +
                                    "\": not copied, because a background image name must be a plain file "
                                    "name without a folder.";
    }
    const QString from = RecordPath::toPath(record_.workFolder);
    for (const QString& file : files) {
        if (const auto copied = platform_.copyFile(from + file, folder + file); copied.ok())
            outcome.copied << file;
        else
            outcome.failures << "\"" + file + "\": " + QString::fromLocal8Bit(copied.error().message());
    }
    return outcome;
}

QString PublishingActions::copyReport(const QString& folder, const CopyOutcome& outcome)
{
    QString report = outcome.copied.isEmpty()
                         ? "Nothing was copied into \"" + folder + "\"."
                         : "Copied into \"" + folder + "\":\n" + outcome.copied.join('\n');
    if (!outcome.failures.isEmpty())
        report += "\n\nThese files could not be copied:\n" + outcome.failures.join('\n');
    return report;
}

void PublishingActions::CopySnippet()
{
    platform_.copyToClipboard(page_.selectWholeSnippet());
}
