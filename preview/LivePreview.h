#pragma once

#include "project/ProjectRecord.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>

#include <functional>

// Keeps a box generated from the design in the wizard, in a folder of its own, while a preview window
// follows the design: each change is generated once the user pauses, away from the wizard's thread, so
// that typing goes on undisturbed. The working folder is not touched.
class LivePreview : public QObject
{
    Q_OBJECT

public:
    // How long the user pauses before a change is generated: a word typed is one update, not one a key.
    static constexpr int pauseMs = 120;

    // What a run leaves: the preview page to show, or why the design cannot be shown.
    struct Outcome
    {
        QUrl page;
        QString refusal;
    };

    using Design = std::function<ProjectRecord()>;

    explicit LivePreview(Design design, QObject* parent = nullptr);
    // A run that is under way is waited for: it writes into the folder that goes with this object.
    ~LivePreview() override;

    // Generates the design now, on the calling thread; changes are followed from now on.
    Outcome start();
    // No window to show changes any more.
    void stop();
    bool following() const { return following_; }
    // The design changed: a run follows once the changes pause.
    void designChanged();

    // The folder of the preview's own, to which every run writes.
    QString folder() const { return folder_.path(); }

    // Generates `design` into `folder` (ending with a separator) as entering Step 5 does, with the
    // background image taken from the design's working folder.
    static Outcome generate(ProjectRecord design, const std::string& folder);

signals:
    // A run is in the folder: the box of the latest change.
    void generated(const QUrl& page);
    // The latest change cannot be generated: why, in one line.
    void refused(const QString& why);

private:
    void startRun();
    void runFinished();
    std::string nextRunFolder();
    QString noFolderNote() const;

    Design design_;
    QTemporaryDir folder_;
    QTimer pause_;
    QFutureWatcher<Outcome> run_;
    bool following_ = false;
    bool changedDuringRun_ = false;
    // Runs take turns between two folders, so that one never writes into the files that the window may
    // still be loading from the run before.
    int runs_ = 0;
};
