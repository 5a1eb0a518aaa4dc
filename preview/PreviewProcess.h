#pragma once

#include "preview/PreviewWindows.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>
#include <QProcess>

// Preview windows shown by the preview program, one process for each window, so that the web engine
// never loads into the wizard and a crash of it takes nothing of the design along.
class PreviewProcess : public QObject, public PreviewWindows
{
    Q_OBJECT

public:
    static constexpr const char* programName = "marquetto-preview";

    explicit PreviewProcess(QString program = installedProgram());
    // The window goes with the wizard: its program is asked to end, and ended if it does not.
    ~PreviewProcess() override;

    void openWindow(const QUrl& page, const QRect& outer, Events events) override;
    void reload() override;
    void update(const QUrl& page) override;
    void showNote(const QString& note) override;

    // The preview program beside the wizard in a build folder, else where it is installed.
    static QString installedProgram();

private:
    void readReplies(QProcess* process);
    void ended(QProcess* process);
    void failedToStart(QProcess* process);
    void release(QProcess* process);

    QString program_;
    QPointer<QProcess> process_;
    Events events_;
    QByteArray pending_;
};
