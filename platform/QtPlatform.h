#pragma once

#include "platform/Platform.h"

// The platform of the real program: Qt's dialogs, the desktop's shell and clipboard, the file system.
class QtPlatform : public Platform
{
public:
    void showMessage(QWidget* parent, const QString& text) override;
    SaveChangesAnswer askToSaveChanges(QWidget* parent) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;
    void openUrl(const QUrl& url) override;
    void copyToClipboard(const QString& text) override;
    QString currentFolder() override;
    QString dataFolder() override;
    Expected<void> makeFolder(const QString& path) override;
    bool isWritableFolder(const QString& path) override;
    Expected<void> copyFile(const QString& from, const QString& to) override;
    Expected<void> writeFile(const QString& path, std::string_view bytes) override;
};
