#pragma once

#include "platform/FileDialogOptions.h"
#include "project/Expected.h"

#include <QColor>
#include <QString>
#include <QUrl>

#include <optional>
#include <string_view>

class QWidget;

// Every operation of the wizard that reaches outside the program. The Qt implementation serves the real
// program; tests put a scripted fake in its place.
class Platform
{
public:
    virtual ~Platform() = default;

    // A modal box titled "Marquetto" with the text and an OK button.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;

    enum class SaveChangesAnswer
    {
        Save,
        Discard,
        Cancel
    };
    // A modal box titled "Marquetto" asking "Save changes to the project?" with Save, Discard and Cancel.
    virtual SaveChangesAnswer askToSaveChanges(QWidget* parent) = 0;

    // Full path of the chosen file, or nothing when the user cancels.
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogOptions& options) = 0;
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogOptions& options) = 0;

    // The colour chooser, opened preset to `initial`; nothing when cancelled.
    virtual std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) = 0;

    // Opens a web address or a local file with the desktop's default program.
    virtual void openUrl(const QUrl& url) = 0;

    // Also the primary selection, where the window system has one.
    virtual void copyToClipboard(const QString& text) = 0;

    virtual QString currentFolder() = 0;
    // The per-user data folder (normally ~/.local/share), without creating it.
    virtual QString dataFolder() = 0;
    // Creates one folder level; an error also when it exists already.
    virtual Expected<void> makeFolder(const QString& path) = 0;
    virtual bool isWritableFolder(const QString& path) = 0;
    // Copies a file, replacing the target.
    virtual Expected<void> copyFile(const QString& from, const QString& to) = 0;
    // Writes `bytes` as the whole file, replacing it as a save does.
    virtual Expected<void> writeFile(const QString& path, std::string_view bytes) = 0;

    // A modal box titled "Marquetto" asking whether to replace the file at `path`; true for Replace.
    virtual bool askToReplace(QWidget* parent, const QString& path) = 0;
    // The user's documents folder, or the home folder when there is none.
    virtual QString documentsFolder() = 0;
    // The folder where a project was last opened or saved, kept from run to run; empty before the first.
    virtual QString rememberedProjectFolder() = 0;
    virtual void rememberProjectFolder(const QString& folder) = 0;
    // A folder chooser that starts in `start` (the platform's choice when empty); nothing when cancelled.
    virtual std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                                const QString& start) = 0;
    // A box titled "Marquetto" with the text that leaves the window usable; a later notice replaces it.
    virtual void showNotice(QWidget* parent, const QString& text) = 0;
};
