#include "platform/QtPlatform.h"

#include "platform/RecordPath.h"
#include "project/TextFile.h"

#include <QApplication>
#include <QClipboard>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>

#include <sys/stat.h>

namespace {

const QString applicationTitle = QStringLiteral("Marquetto");

// Both file dialogs share everything but their mode.
std::optional<QString> runFileDialog(QWidget* parent, const FileDialogOptions& options,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, options.caption);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(options.filter);
    dialog.setDefaultSuffix(options.defaultSuffix);
    dialog.setFileMode(options.existingOnly ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The save commands replace their file on purpose: the user chose it, and the write is atomic.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.folder.isEmpty())
        dialog.setDirectory(options.folder);
    dialog.selectFile(options.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

void QtPlatform::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

Platform::SaveChangesAnswer QtPlatform::askToSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle, QStringLiteral("Save changes to the project?"),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return SaveChangesAnswer::Save;
    case QMessageBox::Discard:
        return SaveChangesAnswer::Discard;
    default:
        return SaveChangesAnswer::Cancel;
    }
}

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptOpen);
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const FileDialogOptions& options)
{
    return runFileDialog(parent, options, QFileDialog::AcceptSave);
}

std::optional<QColor> QtPlatform::chooseColor(QWidget* parent, const QColor& initial)
{
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void QtPlatform::openUrl(const QUrl& url)
{
    QDesktopServices::openUrl(url);
}

void QtPlatform::copyToClipboard(const QString& text)
{
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(text);
    if (clipboard->supportsSelection())
        clipboard->setText(text, QClipboard::Selection);
}

QString QtPlatform::currentFolder()
{
    return QDir::currentPath();
}

QString QtPlatform::dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

Expected<void> QtPlatform::makeFolder(const QString& path)
{
    if (::mkdir(QFile::encodeName(path).constData(), 0777) != 0)
        return Error::fromErrno(RecordPath::toBytes(path), "the folder could not be created");
    return {};
}

bool QtPlatform::isWritableFolder(const QString& path)
{
    const QFileInfo info(path);
    return info.isDir() && info.isWritable();
}

// A copy is made as a save is: beside the target, renamed over it only when whole, through symbolic links.
Expected<void> QtPlatform::copyFile(const QString& from, const QString& to)
{
    return TextFile::copy(RecordPath::toBytes(from), RecordPath::toBytes(to));
}

Expected<void> QtPlatform::writeFile(const QString& path, std::string_view bytes)
{
    return TextFile::replace(RecordPath::toBytes(path), bytes);
}
