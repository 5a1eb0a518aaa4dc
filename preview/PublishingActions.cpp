#include "preview/PublishingActions.h"

#include "generator/Generator.h"
#include "generator/LiveMessages.h"
#include "generator/MessagesFile.h"
#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "preview/LivePreview.h"
#include "preview/PreviewWindows.h"
#include "project/FileNames.h"
#include "project/IntegerText.h"
#include "project/ProjectRecord.h"
#include "ui/uc.h"

#include <QGuiApplication>
#include <QScreen>
#include <QUrl>

#include <algorithm>

PublishingActions::PublishingActions(const ProjectRecord& record, Platform& platform, uc& page,
                                     std::unique_ptr<PreviewWindows> previewWindows)
    : QObject(&page), record_(record), platform_(platform), page_(page),
      previewWindows_(std::move(previewWindows))
{
    connect(&page, &uc::previewRequested, this, &PublishingActions::ShowPreview);
    connect(&page, &uc::previewInBrowserRequested, this, &PublishingActions::PreviewInBrowser);
    connect(&page, &uc::copyFilesRequested, this, &PublishingActions::CopyFilesInto);
    connect(&page, &uc::copyRequested, this, &PublishingActions::CopySnippet);
}

PublishingActions::~PublishingActions() = default;

QString PublishingActions::previewPath() const
{
    return RecordPath::toPath(record_.workFolder) + "preview.html";
}

void PublishingActions::followDesign(std::function<ProjectRecord()> design)
{
    live_ = new LivePreview(std::move(design), this);
    connect(live_, &LivePreview::generated, this, &PublishingActions::showLiveBox);
    connect(live_, &LivePreview::refused, this, &PublishingActions::showRefusal);
}

void PublishingActions::designChanged()
{
    if (live_ && previewOpen_)
        live_->designChanged();
}

void PublishingActions::showLiveBox(const QUrl& page)
{
    previewWindows_->update(page);
    if (!note_.isEmpty()) {
        note_.clear();
        previewWindows_->showNote(note_);
    }
}

// The window keeps the last box that could be generated, and says why it is not the design's.
void PublishingActions::showRefusal(const QString& why)
{
    note_ = tr("Not updated: %1").arg(why);
    previewWindows_->showNote(note_);
}

// The live box of the design as it is now; if it cannot be generated, what Step 5 generated, with the
// reason in the note.
QUrl PublishingActions::pageToOpen()
{
    note_.clear();
    if (!live_)
        return QUrl::fromLocalFile(previewPath());
    const LivePreview::Outcome outcome = live_->start();
    if (outcome.refusal.isEmpty())
        return outcome.page;
    note_ = tr("Not updated: %1").arg(outcome.refusal);
    return QUrl::fromLocalFile(previewPath());
}

void PublishingActions::ShowPreview()
{
    if (previewOpen_)
        previewWindows_->reload();
    else
        openPreviewWindow();
}

// The first window of the run is sized from the box; later ones reopen where the last one was closed.
// Either way it lies inside one screen's free area, where the user can reach its close box. The window
// counts as open before it is asked for, since a window that cannot be had is reported at once.
void PublishingActions::openPreviewWindow()
{
    if (!previewShownOnce_)
        previewRect_ = boxedRect(IntegerText::parse(record_.width), IntegerText::parse(record_.height));
    const QRect outer = clampedToScreen(previewRect_, screenFor(previewRect_)->availableGeometry());
    previewOpen_ = true;
    previewShownOnce_ = true;
    page_.setPreviewButtonCaption(tr("Refresh Preview"));
    previewWindows_->openWindow(pageToOpen(), outer,
                                {.closed = [this](const QRect& closed) { previewClosed(closed); },
                                 .openLink = [this](const QUrl& link) { platform_.openUrl(link); },
                                 .failed =
                                     [this](const QString& why) {
                                         previewGone();
                                         platform_.showMessage(&page_, why);
                                     },
                                 .stopped =
                                     [this](const QString& why) {
                                         previewGone();
                                         platform_.showNotice(&page_, why);
                                     }});
    if (!note_.isEmpty())
        previewWindows_->showNote(note_);
}

// A window reopens on the screen where it was closed; the first one, or one whose screen is gone, on the
// wizard's.
QScreen* PublishingActions::screenFor(const QRect& outer) const
{
    if (previewShownOnce_) {
        if (QScreen* screen = QGuiApplication::screenAt(outer.center()))
            return screen;
    }
    return page_.screen();
}

// The box plus 100 pixels each way, at the top-left corner; a box too wide for an int would wrap.
QRect PublishingActions::boxedRect(int boxWidth, int boxHeight)
{
    const auto side = [](int box) {
        return static_cast<int>(std::clamp<qint64>(qint64{box} + margin, minimumSide, maximumSide));
    };
    return QRect(0, 0, side(boxWidth), side(boxHeight));
}

// No larger than the area and moved into it, so that no part of the window, its title bar above all,
// lies off the screen; a window that fits is left where it is.
QRect PublishingActions::clampedToScreen(const QRect& outer, const QRect& area)
{
    const QSize size = outer.size().expandedTo(QSize(minimumSide, minimumSide)).boundedTo(area.size());
    const int left = std::clamp(outer.left(), area.left(), area.right() + 1 - size.width());
    const int top = std::clamp(outer.top(), area.top(), area.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

void PublishingActions::previewClosed(const QRect& outer)
{
    previewOpen_ = false;
    if (live_)
        live_->stop();
    previewRect_ = outer;
    ResetPreviewButton();
}

// A window that crashed or never opened tells no rectangle: the next one opens where the last closed one
// was, or where the first one was asked to open.
void PublishingActions::previewGone()
{
    previewOpen_ = false;
    if (live_)
        live_->stop();
    ResetPreviewButton();
}

void PublishingActions::ResetPreviewButton()
{
    page_.setPreviewButtonCaption(tr("Preview"));
}

void PublishingActions::PreviewInBrowser()
{
    platform_.openUrl(QUrl::fromLocalFile(previewPath()));
}

void PublishingActions::CopyFilesInto()
{
    const std::optional<QString> chosen =
        platform_.chooseFolder(&page_, tr("Copy Files into..."), copyFolder_);
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
    if (LiveMessages::isOn(record_))
        files << RecordPath::toPath(Generator::boxFileName(record_, MessagesFile::suffix));
    CopyOutcome outcome;
    if (record_.bgImageOn == ProjectRecord::ticked) {
        // The image name comes from a project file that anyone may have written; a name with a folder in
        // it would be copied outside the chosen folder.
        const std::string imageBytes = Generator::imageFileName(record_);
        const QString image = RecordPath::toPath(imageBytes);
        if (FileNames::isPlain(imageBytes))
            files << image;
        else
            outcome.failures << tr("\"%1\": not copied, because a background image name must be a plain "
                                   "file name without a folder.")
                                    .arg(image);
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
                         ? tr("Nothing was copied into \"%1\".").arg(folder)
                         : tr("Copied into \"%1\":").arg(folder) + '\n' + outcome.copied.join('\n');
    if (!outcome.failures.isEmpty())
        report += "\n\n" + tr("These files could not be copied:") + '\n' + outcome.failures.join('\n');
    return report;
}

void PublishingActions::CopySnippet()
{
    platform_.copyToClipboard(page_.selectWholeSnippet());
}
