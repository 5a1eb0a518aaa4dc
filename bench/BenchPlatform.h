#pragma once

#include "platform/Platform.h"

#include <QDir>

// A platform without a user: the open dialog answers with a chosen file, everything else does nothing.
class BenchPlatform : public Platform
{
public:
    QString projectToOpen;

    void showMessage(QWidget*, const QString&) override {}
    SaveChangesAnswer askToSaveChanges(QWidget*) override { return SaveChangesAnswer::Discard; }
    std::optional<QString> openFileName(QWidget*, const FileDialogOptions&) override { return projectToOpen; }
    std::optional<QString> saveFileName(QWidget*, const FileDialogOptions&) override { return std::nullopt; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    void openUrl(const QUrl&) override {}
    void copyToClipboard(const QString&) override {}
    QString currentFolder() override { return QDir::currentPath(); }
    QString dataFolder() override { return QDir::tempPath(); }
    Expected<void> makeFolder(const QString&) override { return {}; }
    bool isWritableFolder(const QString&) override { return true; }
    Expected<void> copyFile(const QString&, const QString&) override { return {}; }
    Expected<void> writeFile(const QString&, std::string_view) override { return {}; }
    bool askToReplace(QWidget*, const QString&) override { return false; }
    QString documentsFolder() override { return QDir::tempPath(); }
    QString rememberedProjectFolder() override { return {}; }
    void rememberProjectFolder(const QString&) override {}
    std::optional<QString> chooseFolder(QWidget*, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    void showNotice(QWidget*, const QString&) override {}
};
