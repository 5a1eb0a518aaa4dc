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
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSpacerItem>
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
    // The save commands ask themselves, about the file they will write once the typed name is trimmed.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!options.folder.isEmpty())
        dialog.setDirectory(options.folder);
    dialog.selectFile(options.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

const QString projectFolderKey = QStringLiteral("dialogs/projectFolder");

// Settings of the desktop, not of a design: ~/.config/marquetto/marquetto.conf.
QSettings desktopSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("marquetto"),
                     QStringLiteral("marquetto"));
}

// A message box sizes itself to its text, and a short text leaves its caption cut in the title bar. The
// bar holds the caption in a bold face beside the window's icon and buttons, each about a line high.
void makeRoomForTitle(QMessageBox& box)
{
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(box.windowTitle()) + 6 * metrics.height();
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid != nullptr)
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
}

} // namespace

void QtPlatform::showMessage(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, parent);
    makeRoomForTitle(box);
    box.exec();
}

Platform::SaveChangesAnswer QtPlatform::askToSaveChanges(QWidget* parent)
{
    QMessageBox box(QMessageBox::Warning, applicationTitle,
                    QCoreApplication::translate("QtPlatform", "Save changes to the project?"),
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

bool QtPlatform::askToReplace(QWidget* parent, const QString& path)
{
    const QFileInfo file(path);
    QMessageBox box(QMessageBox::Warning, applicationTitle,
                    QCoreApplication::translate(
                        "QtPlatform", "\"%1\" already exists in \"%2\".\nDo you want to replace it?")
                        .arg(file.fileName(), file.absolutePath()),
                    QMessageBox::Cancel, parent);
    QPushButton* replace =
        box.addButton(QCoreApplication::translate("QtPlatform", "Replace"), QMessageBox::AcceptRole);
    // Replacing loses the other file's design, so the key that answers without looking keeps it.
    box.setDefaultButton(QMessageBox::Cancel);
    makeRoomForTitle(box);
    box.exec();
    return box.clickedButton() == replace;
}

QString QtPlatform::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString QtPlatform::rememberedProjectFolder()
{
    return desktopSettings().value(projectFolderKey).toString();
}

// Forgetting a folder costs the user a few clicks; a warning on standard error is enough.
void QtPlatform::rememberProjectFolder(const QString& folder)
{
    QSettings settings = desktopSettings();
    settings.setValue(projectFolderKey, folder);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        qWarning("marquetto: the folder of the project dialogs could not be kept in \"%s\"",
                 qUtf8Printable(settings.fileName()));
}

std::optional<QString> QtPlatform::chooseFolder(QWidget* parent, const QString& caption, const QString& start)
{
    const QString chosen = QFileDialog::getExistingDirectory(parent, caption, start);
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen;
}

void QtPlatform::showNotice(QWidget* parent, const QString& text)
{
    if (notice_)
        notice_->close();
    auto* box = new QMessageBox(QMessageBox::Information, applicationTitle, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    makeRoomForTitle(*box);
    box->show();
    notice_ = box;
}
