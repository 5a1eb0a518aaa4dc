#pragma once

#include "platform/Platform.h"

#include <QMessageBox>
#include <QPointer>

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
    bool askToReplace(QWidget* parent, const QString& path) override;
    QString documentsFolder() override;
    QString rememberedProjectFolder() override;
    void rememberProjectFolder(const QString& folder) override;
    std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                        const QString& start) override;
    void showNotice(QWidget* parent, const QString& text) override;

private:
    QPointer<QMessageBox> notice_;
};
