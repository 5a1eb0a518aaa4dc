#include "preview/LivePreview.h"

#include "generator/Generator.h"
#include "project/FileNames.h"
#include "ui/GenerationRefusal.h"

#include <QDir>
#include <QtConcurrent/QtConcurrentRun>

#include <filesystem>
#include <system_error>

namespace {

// A folder in memory where the desktop offers one: the runs write their files there many times a minute.
QString folderTemplate()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString base = !runtime.isEmpty() && QDir(runtime).exists() ? runtime : QDir::tempPath();
    return base + "/marquetto-preview-XXXXXX";
}

// The page names the image without a folder, as it lies beside the files in the working folder. A link
// costs nothing, however large the image, and shows a new copy chosen on Step 2 at once.
void linkBackgroundImage(const ProjectRecord& design, const std::string& folder)
{
    if (design.bgImageOn != ProjectRecord::ticked)
        return;
    const std::string name = Generator::imageFileName(design);
    if (!FileNames::isPlain(name))
        return;
    const std::filesystem::path link = folder + name;
    std::error_code unused;
    if (!std::filesystem::is_symlink(link, unused))
        std::filesystem::create_symlink(design.workFolder + name, link, unused);
}

} // namespace

LivePreview::LivePreview(Design design, QObject* parent)
    : QObject(parent), design_(std::move(design)), folder_(folderTemplate())
{
    pause_.setSingleShot(true);
    pause_.setInterval(pauseMs);
    connect(&pause_, &QTimer::timeout, this, &LivePreview::startRun);
    connect(&run_, &QFutureWatcher<Outcome>::finished, this, &LivePreview::runFinished);
}

LivePreview::~LivePreview()
{
    run_.waitForFinished();
}

LivePreview::Outcome LivePreview::generate(ProjectRecord design, const std::string& folder)
{
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    linkBackgroundImage(design, folder);
    const std::string workFolder = design.workFolder;
    design.workFolder = folder;
    GeneratedTexts texts;
    // The user knows the files by their names; the preview's folder means nothing to them.
    if (const auto done = Generator::GenerateOutputs(design, texts); !done.ok())
        return {{}, GenerationRefusal::text(done.error(), folder)};
    return {QUrl::fromLocalFile(QString::fromLocal8Bit(folder) + "preview.html"), {}};
}

QString LivePreview::noFolderNote() const
{
    return tr("No folder could be made for the preview: %1").arg(folder_.errorString());
}

std::string LivePreview::nextRunFolder()
{
    const char* side = (runs_++ % 2 == 0) ? "/a/" : "/b/";
    return QDir(folder_.path()).absolutePath().toLocal8Bit().toStdString() + side;
}

LivePreview::Outcome LivePreview::start()
{
    run_.waitForFinished();
    following_ = true;
    changedDuringRun_ = false;
    if (!folder_.isValid())
        return {{}, noFolderNote()};
    return generate(design_(), nextRunFolder());
}

void LivePreview::stop()
{
    following_ = false;
    pause_.stop();
}

void LivePreview::designChanged()
{
    if (following_)
        pause_.start();
}

// A change made while a run is under way is generated after it; the run's own box is then out of date
// and is not shown.
void LivePreview::startRun()
{
    if (run_.isRunning()) {
        changedDuringRun_ = true;
        return;
    }
    if (!folder_.isValid()) {
        emit refused(noFolderNote());
        return;
    }
    run_.setFuture(QtConcurrent::run(&LivePreview::generate, design_(), nextRunFolder()));
}

void LivePreview::runFinished()
{
    if (!following_)
        return;
    if (changedDuringRun_) {
        changedDuringRun_ = false;
        startRun();
        return;
    }
    const Outcome outcome = run_.result();
    if (outcome.refusal.isEmpty())
        emit generated(outcome.page);
    else
        emit refused(outcome.refusal);
}
