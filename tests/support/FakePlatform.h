#pragma once

#include "platform/Platform.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <deque>
#include <optional>
#include <vector>

// A Platform that answers from a script. A test queues the calls it expects, in order, with the answer
// each gets; a call that was not expected, or in another order, or an expectation still waiting when the
// fake is destroyed (or verify() runs) fails the test. Folders and copies act on real paths so tests can
// look at the files; switches make them fail, because tests run as root where permissions stop nothing.
class FakePlatform : public Platform
{
public:
    enum class CallKind
    {
        Message,
        OpenFileName,
        SaveFileName,
        Color,
        OpenUrl,
        Clipboard,
        SaveChanges,
        ReplaceQuestion,
        ChooseFolder,
        Notice
    };

    // One call as it was made; the fields that do not belong to its kind stay empty.
    struct Call
    {
        CallKind kind = CallKind::Message;
        QWidget* parent = nullptr;
        QString text;
        FileDialogOptions options;
        QColor initialColor;
        QUrl url;
    };

    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Messages and questions.
    void expectMessage(const QString& text);
    // For texts that hold a system's wording, such as file errors: the message must contain `part`.
    void expectMessageContaining(const QString& part);
    void showMessage(QWidget* parent, const QString& text) override;
    // The user answers "Save changes to the project?" with `answer`.
    void expectSaveChangesQuestion(SaveChangesAnswer answer);
    SaveChangesAnswer askToSaveChanges(QWidget* parent) override;

    // Dialogs: the user picks `answer`, or cancels when it is std::nullopt.
    void expectOpenFileName(std::optional<QString> answer);
    std::optional<QString> openFileName(QWidget* parent, const FileDialogOptions& options) override;
    void expectSaveFileName(std::optional<QString> answer);
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogOptions& options) override;
    void expectColor(std::optional<QColor> answer);
    std::optional<QColor> chooseColor(QWidget* parent, const QColor& initial) override;

    // Shell and clipboard.
    void expectOpenUrl(const QUrl& url);
    void openUrl(const QUrl& url) override;
    void expectClipboard(const QString& text);
    void copyToClipboard(const QString& text) override;

    // Fails the test for every expectation still waiting, then forgets them.
    void verify();
    int pendingExpectations() const { return static_cast<int>(expected_.size()); }

    // Every expected call that was made, in order.
    const std::vector<Call>& calls() const { return calls_; }
    // The last call of that kind; fails the test when there was none.
    Call lastCall(CallKind kind) const;
    QStringList messages() const;

    // Folders and files, on real paths.
    void setCurrentFolder(const QString& path) { currentFolder_ = path; }
    QString currentFolder() override;
    void setDataFolder(const QString& path) { dataFolder_ = path; }
    QString dataFolder() override;
    void setMakeFolderFails(bool fails) { makeFolderFails_ = fails; }
    Expected<void> makeFolder(const QString& path) override;
    const QStringList& madeFolders() const { return madeFolders_; }
    // isWritableFolder answers false for this folder, whatever its permissions.
    void setReadOnlyFolder(const QString& path) { readOnlyFolder_ = path; }
    bool isWritableFolder(const QString& path) override;
    // Makes copies and writes fail.
    void setCopyFileFails(bool fails) { copyFileFails_ = fails; }
    Expected<void> copyFile(const QString& from, const QString& to) override;
    Expected<void> writeFile(const QString& path, std::string_view bytes) override;
    // Each copy as "FROM -> TO"; a write of compiled-in bytes as "compiled-in bytes -> TO".
    const QStringList& copies() const { return copies_; }

    // The user answers "... already exists ... Do you want to replace it?" about `path` with Replace when
    // `replace` is true, Cancel otherwise.
    void expectReplaceQuestion(const QString& path, bool replace);
    bool askToReplace(QWidget* parent, const QString& path) override;
    void setDocumentsFolder(const QString& path) { documentsFolder_ = path; }
    QString documentsFolder() override;
    // What earlier runs left; rememberProjectFolder() changes it as the real setting would.
    void setRememberedProjectFolder(const QString& path) { rememberedProjectFolder_ = path; }
    QString rememberedProjectFolder() override { return rememberedProjectFolder_; }
    void rememberProjectFolder(const QString& folder) override { rememberedProjectFolder_ = folder; }
    // The folder chooser: the user picks `answer`, or cancels when it is std::nullopt.
    void expectChooseFolder(std::optional<QString> answer);
    std::optional<QString> chooseFolder(QWidget* parent, const QString& caption,
                                        const QString& start) override;
    // A notice whose text must contain `part`.
    void expectNoticeContaining(const QString& part);
    void showNotice(QWidget* parent, const QString& text) override;

private:
    struct Expectation
    {
        CallKind kind;
        QString text;
        QUrl url;
        std::optional<QString> fileAnswer;
        std::optional<QColor> colorAnswer;
        bool partialText = false;
        SaveChangesAnswer saveChangesAnswer = SaveChangesAnswer::Cancel;
        bool replaceAnswer = false;
    };

    // Takes the next expectation when it is of `kind`; fails the test and returns nothing otherwise.
    std::optional<Expectation> take(const Call& call);
    static const char* kindName(CallKind kind);

    std::deque<Expectation> expected_;
    std::vector<Call> calls_;
    std::optional<QString> currentFolder_;
    std::optional<QString> dataFolder_;
    bool makeFolderFails_ = false;
    bool copyFileFails_ = false;
    QString readOnlyFolder_;
    QStringList madeFolders_;
    QStringList copies_;
    std::optional<QString> documentsFolder_;
    QString rememberedProjectFolder_;
};
