#pragma once

#include <QString>

// What an open-file or save-file dialog is asked to show.
struct FileDialogOptions
{
    QString caption;
    QString filter;        // Qt form, for instance "Marquetto Wizard Files (*.tkp)"
    QString defaultSuffix; // added when the user types a name without one
    QString proposedName;  // file name only, or a pattern text
    bool existingOnly = false;
    QString folder; // where the dialog starts; empty leaves it to the platform
};
