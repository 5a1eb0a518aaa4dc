#include "ui/CQuorvoApp.h"

#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "ui/CQuorvoDlg.h"
#include "ui/SampleImage.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>

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

    const std::optional<Error> levelFailure = makeMissingLevels(mirelight);
    const QString tickerkit = mirelight + QStringLiteral("/tickerkit");
    if (const auto made = platform_.makeFolder(tickerkit); !made.ok()) {
        platform_.showMessage(nullptr, QStringLiteral("File Error No:2 !\n") +
                                           whyNotMade(tickerkit, levelFailure.value_or(made.error())));
        return false;
    }
    if (!platform_.isWritableFolder(workFolder)) {
        platform_.showMessage(
            nullptr, QStringLiteral("File Error No:1 !\n") +
                         QCoreApplication::translate("CQuorvoApp", "\"%1\": the folder cannot be written to.")
                             .arg(tickerkit));
        return false;
    }
    copySampleImage(startFolder, workFolder);
    return true;
}

// A fresh account may not have the data folder itself yet; each level that exists already is left alone.
// A level that cannot be made is reported as the working folder that cannot be made, after this, with the
// first level's reason, which is the real one.
std::optional<Error> CQuorvoApp::makeMissingLevels(const QString& folder)
{
    std::optional<Error> firstFailure;
    const QStringList names = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString level = folder.startsWith(QLatin1Char('/')) ? QStringLiteral("") : QStringLiteral(".");
    for (const QString& name : names) {
        level += QLatin1Char('/') + name;
        if (QFileInfo::exists(level))
            continue;
        if (auto made = platform_.makeFolder(level); !made.ok() && !firstFailure)
            firstFailure = made.error();
    }
    return firstFailure;
}

// The system's reason for a working folder that exists is "File exists", which says nothing to a user.
QString CQuorvoApp::whyNotMade(const QString& folder, const Error& error)
{
    if (QFileInfo(folder).isDir())
        return QCoreApplication::translate("CQuorvoApp",
                                           "\"%1\": the folder exists but cannot be written to.")
            .arg(folder);
    return QString::fromLocal8Bit(error.message());
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
