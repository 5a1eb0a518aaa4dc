#include "ui/CQuorvoApp.h"

#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "ui/CQuorvoDlg.h"
#include "ui/SampleImage.h"

#include <QDir>
#include <QEventLoop>

namespace {

const QString sampleImageName = QStringLiteral("tkbackground.jpg");

} // namespace

CQuorvoApp::CQuorvoApp(Platform& platform, WizardSetup setup, QString startProject)
    : platform_(platform), setup_(std::move(setup)), startProject_(std::move(startProject))
{}

int CQuorvoApp::run()
{
    if (!prepareFolders())
        return 1;
    CQuorvoDlg wizard(platform_, startFolder_, workFolder_);
    if (setup_)
        setup_(wizard);
    if (!startProject_.isEmpty())
        wizard.commands().openProjectFile(QDir(platform_.currentFolder()).absoluteFilePath(startProject_));
    // Shown without modality: the preview window beside it must take clicks, keys and its own close box.
    QEventLoop untilClosed;
    QObject::connect(&wizard, &QDialog::finished, &untilClosed, &QEventLoop::quit);
    wizard.show();
    untilClosed.exec();
    return 0;
}

bool CQuorvoApp::prepareFolders()
{
    const QString startFolder = platform_.currentFolder();
    const QString dataFolder = QDir::cleanPath(platform_.dataFolder());
    const QString mirelight = dataFolder + QStringLiteral("/mirelight");
    const QString workFolder = mirelight + QStringLiteral("/tickerkit/");
    startFolder_ = RecordPath::toBytes(startFolder);
    workFolder_ = RecordPath::toBytes(workFolder);
    if (platform_.isWritableFolder(workFolder))
        return true;

    makeMissingLevels(mirelight);
    if (!platform_.makeFolder(mirelight + QStringLiteral("/tickerkit")).ok()) {
        platform_.showMessage(nullptr, QStringLiteral("File Error No:2 !"));
        return false;
    }
    if (!platform_.isWritableFolder(workFolder)) {
        platform_.showMessage(nullptr, QStringLiteral("File Error No:1 !"));
        return false;
    }
    copySampleImage(startFolder, workFolder);
    return true;
}

// A fresh account may not have the data folder itself yet; each level that exists already is left alone.
// A level that cannot be made is reported as the working folder that cannot be made, after this.
void CQuorvoApp::makeMissingLevels(const QString& folder)
{
    const QStringList names = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString level = folder.startsWith(QLatin1Char('/')) ? QStringLiteral("") : QStringLiteral(".");
    for (const QString& name : names) {
        level += QLatin1Char('/') + name;
        if (!QDir(level).exists())
            (void)platform_.makeFolder(level);
    }
}

// Whether the copy succeeds is never reported: the wizard works without the sample.
void CQuorvoApp::copySampleImage(const QString& startFolder, const QString& workFolder)
{
    const QString target = workFolder + sampleImageName;
    const QString shipped = startFolder + QStringLiteral("/tickerkit/tmp/") + sampleImageName;
    // The copy compiled into the program serves when the start-up folder has none.
    if (!platform_.copyFile(shipped, target).ok())
        (void)platform_.writeFile(target, SampleImage::jpeg());
}
