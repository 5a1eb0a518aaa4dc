#pragma once

#include "project/ProjectReader.h"

#include <QString>

#include <functional>

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
    void saveProject();
    void saveProjectAs();

private:
    void write();
    void showError(const FileError& error);
    QString projectFolder() const;

    ProjectRecord& record_;
    Platform& platform_;
    QWidget* dialogParent_;
    std::function<void()> flushPages_;
    ProjectReader reader_;
};
