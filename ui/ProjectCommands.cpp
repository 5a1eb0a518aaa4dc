#include "ui/ProjectCommands.h"

#include "generator/BuiltInTexts.h"
#include "platform/Platform.h"
#include "platform/RecordPath.h"
#include "project/ProjectRecord.h"
#include "project/ProjectWriter.h"

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
    options.caption = QStringLiteral("Open Project");
    options.filter = QStringLiteral("Marquetto Wizard Files (*.tkp)");
    options.defaultSuffix = projectSuffix;
    options.existingOnly = true;
    options.folder = projectFolder();
    const auto chosen = platform_.openFileName(dialogParent_, options);
    return chosen && openProjectFile(*chosen);
}

bool ProjectCommands::openProjectFile(const QString& path)
{
    // A file that cannot be read must not become the target of the next Save.
    const std::string previousPath = record_.projectPath;
    record_.projectPath = RecordPath::toBytes(path);
    if (const auto read = reader_.readProject(record_); !read.ok()) {
        record_.projectPath = previousPath;
        showError(read.error());
        return false;
    }
    rememberSavedDesign();
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
    options.caption = QStringLiteral("Save Project As");
    options.filter = QStringLiteral("Marquetto Wizard (*.tkp)");
    options.defaultSuffix = projectSuffix;
    options.proposedName = namePart(currentPath);
    options.folder = folderPart(currentPath);
    const auto chosen = platform_.saveFileName(dialogParent_, options);
    if (!chosen)
        return false;

    QString name = namePart(*chosen).trimmed();
    if (name.isEmpty())
        name = defaultProjectName;
    record_.projectPath = RecordPath::toBytes(folderPart(*chosen) + name);
    record_.projectUntitled = ProjectRecord::titled;
    return saveProject();
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

// Where the file dialogs start: beside the current project, or in the working folder for a new one.
QString ProjectCommands::projectFolder() const
{
    if (record_.projectUntitled == ProjectRecord::untitled)
        return RecordPath::toPath(record_.workFolder);
    return folderPart(RecordPath::toPath(record_.projectPath));
}
