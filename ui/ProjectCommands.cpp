#include "ui/ProjectCommands.h"

#include "generator/BuiltInTexts.h"
#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "project/ProjectRecord.h"
#include "project/ProjectWriter.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

const QString defaultProjectName = QStringLiteral("newproject.tkp");
const QString projectSuffix = QStringLiteral("tkp");
const QChar separator = QLatin1Char('/');

// Everything up to and including the last separator; empty when there is none.
QString folderPart(const QString& path)
{
    return path.left(path.lastIndexOf(separator) + 1);
}

QString namePart(const QString& path)
{
    return path.mid(path.lastIndexOf(separator) + 1);
}

} // namespace

ProjectCommands::ProjectCommands(ProjectRecord& record, Platform& platform, QWidget* dialogParent,
                                 std::function<void()> flushPages, std::function<void()> loadPages)
    : record_(record), platform_(platform), dialogParent_(dialogParent), flushPages_(std::move(flushPages)),
      reader_(BuiltInTexts::defaultProject(), std::move(loadPages))
{}

void ProjectCommands::loadDefaultProject()
{
    if (const auto read = reader_.readProject(record_); !read.ok())
        showError(read.error());
    rememberSavedDesign();
}

bool ProjectCommands::openProject()
{
    FileDialogOptions options;
    options.caption = QCoreApplication::translate("ProjectCommands", "Open Project");
    options.filter = QCoreApplication::translate("ProjectCommands", "Marquetto Wizard Files (*.tkp)");
    options.defaultSuffix = projectSuffix;
    options.existingOnly = true;
    options.folder = dialogFolder();
    const auto chosen = platform_.openFileName(dialogParent_, options);
    return chosen && openProjectFile(*chosen);
}

bool ProjectCommands::openProjectFile(const QString& path)
{
    // A file that cannot be read must not become the target of the next Save.
    const std::string previousPath = record_.projectPath;
    record_.projectPath = RecordPath::toBytes(path);
    // Only a regular file is read: a FIFO or a device could hold the window until something writes to it.
    auto file = InputFile::openRegular(record_.projectPath);
    const auto read =
        file.ok() ? reader_.readProjectFrom(record_, file.value()) : Expected<void>(file.error());
    if (!read.ok()) {
        record_.projectPath = previousPath;
        showError(read.error());
        return false;
    }
    rememberSavedDesign();
    platform_.rememberProjectFolder(folderPart(path));
    return true;
}

bool ProjectCommands::saveProject()
{
    flushPages_();
    if (record_.projectUntitled == ProjectRecord::untitled)
        return saveProjectAs();
    return write();
}

bool ProjectCommands::saveProjectAs()
{
    if (record_.projectUntitled == ProjectRecord::untitled)
        record_.projectPath =
            RecordPath::toBytes(RecordPath::toPath(record_.workFolder) + defaultProjectName);
    const QString currentPath = RecordPath::toPath(record_.projectPath);

    FileDialogOptions options;
    options.caption = QCoreApplication::translate("ProjectCommands", "Save Project As");
    options.filter = QCoreApplication::translate("ProjectCommands", "Marquetto Wizard (*.tkp)");
    options.defaultSuffix = projectSuffix;
    options.proposedName = namePart(currentPath);
    options.folder = dialogFolder();
    QString target;
    do {
        const auto chosen = platform_.saveFileName(dialogParent_, options);
        if (!chosen)
            return false;
        QString name = namePart(*chosen).trimmed();
        if (name.isEmpty())
            name = defaultProjectName;
        target = folderPart(*chosen) + name;
        // Declining to replace goes back to the dialog, at the name that was declined.
        options.proposedName = name;
        options.folder = folderPart(*chosen);
    } while (!mayWriteTo(target));

    record_.projectPath = RecordPath::toBytes(target);
    record_.projectUntitled = ProjectRecord::titled;
    return saveProject();
}

// Asked about the file that will be written, after trimming, which the dialog never saw. A FIFO or a
// device would take the design in place, and a FIFO would hold the window until something read it.
bool ProjectCommands::mayWriteTo(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists())
        return true;
    if (!file.isFile()) {
        platform_.showMessage(dialogParent_,
                              QCoreApplication::translate("ProjectCommands",
                                                          "\"%1\": is not a regular file; a project is saved "
                                                          "only as a file.")
                                  .arg(path));
        return false;
    }
    return platform_.askToReplace(dialogParent_, path);
}

bool ProjectCommands::hasUnsavedChanges() const
{
    return ProjectWriter::projectText(record_) != savedDesign_;
}

bool ProjectCommands::settleUnsavedChanges()
{
    if (!hasUnsavedChanges())
        return true;
    switch (platform_.askToSaveChanges(dialogParent_)) {
    case Platform::SaveChangesAnswer::Save:
        return saveProject();
    case Platform::SaveChangesAnswer::Discard:
        return true;
    case Platform::SaveChangesAnswer::Cancel:
        break;
    }
    return false;
}

bool ProjectCommands::write()
{
    if (const auto written = ProjectWriter::writeProject(record_); !written.ok()) {
        showError(written.error());
        return false;
    }
    rememberSavedDesign();
    platform_.rememberProjectFolder(folderPart(RecordPath::toPath(record_.projectPath)));
    return true;
}

// What the project file holds is what counts as the design; the working state around it does not.
void ProjectCommands::rememberSavedDesign()
{
    savedDesign_ = ProjectWriter::projectText(record_);
}

void ProjectCommands::showError(const Error& error)
{
    platform_.showMessage(dialogParent_, QString::fromLocal8Bit(error.message()));
}

// Where the project dialogs start: beside the current project; for a new one, where the user last opened
// or saved a project in an earlier run, or in the documents folder when there was none or it has gone.
QString ProjectCommands::dialogFolder() const
{
    if (record_.projectUntitled == ProjectRecord::titled)
        return folderPart(RecordPath::toPath(record_.projectPath));
    const QString remembered = platform_.rememberedProjectFolder();
    if (!remembered.isEmpty() && QFileInfo(remembered).isDir())
        return remembered;
    return platform_.documentsFolder();
}
