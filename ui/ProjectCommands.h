#pragma once

#include "project/ProjectReader.h"

#include <QString>

#include <functional>
#include <string>

class Platform;
class ProjectRecord;
class QWidget;

// Open Project, Save Project and Save Project As: which file holds the design, and reading and writing it.
// The pages are reached through two callbacks that flush or load them in the wizard's fixed order.
class ProjectCommands
{
public:
    ProjectCommands(ProjectRecord& record, Platform& platform, QWidget* dialogParent,
                    std::function<void()> flushPages, std::function<void()> loadPages);

    // The start-up read of the built-in default project.
    void loadDefaultProject();
    // True when a project was read; false when the user cancelled or the file could not be read.
    bool openProject();
    // Open Project without the dialog, for a project named when the program starts.
    bool openProjectFile(const QString& path);
    // True when the design was written to its file.
    bool saveProject();
    bool saveProjectAs();

    // Whether the design, as the pages have handed it over, differs from what was last read or saved.
    bool hasUnsavedChanges() const;
    // Before the design is closed or replaced: asks whether to save it when it changed. True when the
    // caller may go on: nothing changed, the user chose Discard, or chose Save and the save succeeded.
    bool settleUnsavedChanges();

private:
    bool write();
    void rememberSavedDesign();
    void showError(const Error& error);
    QString dialogFolder() const;
    bool mayWriteTo(const QString& path);

    ProjectRecord& record_;
    Platform& platform_;
    QWidget* dialogParent_;
    std::function<void()> flushPages_;
    ProjectReader reader_;
    std::string savedDesign_;
};
