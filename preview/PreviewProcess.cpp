#include "preview/PreviewProcess.h"

#include "preview/PreviewProtocol.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

// Long enough for the web engine to take its helpers down on a loaded machine.
constexpr int endingDeadlineMs = 5000;

} // namespace

PreviewProcess::PreviewProcess(QString program) : program_(std::move(program)) {}

// A window closed a moment ago may have its process still ending: that one is waited for too.
PreviewProcess::~PreviewProcess()
{
    const QList<QProcess*> processes = findChildren<QProcess*>();
    for (QProcess* process : processes) {
        process->disconnect(this);
        process->closeWriteChannel();
    }
    for (QProcess* process : processes) {
        if (process->state() != QProcess::NotRunning && !process->waitForFinished(endingDeadlineMs)) {
            process->kill();
            process->waitForFinished(endingDeadlineMs);
        }
    }
}

QString PreviewProcess::installedProgram()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString beside = programFolder + "/" + programName;
    if (QFileInfo(beside).isExecutable())
        return beside;
    return QFileInfo(programFolder + "/../" MARQUETTO_PROGRAM_DIR "/" + programName).absoluteFilePath();
}

// A window closed a moment ago may still have its process ending: that one is left to end by itself.
void PreviewProcess::openWindow(const QUrl& page, const QRect& outer, Events events)
{
    if (process_)
        release(process_);
    events_ = std::move(events);
    pending_.clear();
    auto* process = new QProcess(this);
    process_ = process;
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(process, &QProcess::readyReadStandardOutput, this, [this, process] { readReplies(process); });
    connect(process, &QProcess::finished, this, [this, process] { ended(process); });
    connect(process, &QProcess::errorOccurred, this, [this, process](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            failedToStart(process);
    });
    process->start(program_, {});
    if (process_ == process)
        process->write(PreviewProtocol::open(outer, page));
}

void PreviewProcess::reload()
{
    if (process_)
        process_->write(PreviewProtocol::reload());
}

void PreviewProcess::update(const QUrl& page)
{
    if (process_)
        process_->write(PreviewProtocol::update(page));
}

void PreviewProcess::showNote(const QString& note)
{
    if (process_)
        process_->write(PreviewProtocol::note(note));
}

void PreviewProcess::readReplies(QProcess* process)
{
    if (process != process_)
        return;
    pending_ += process->readAllStandardOutput();
    for (qsizetype end = pending_.indexOf('\n'); end >= 0 && process == process_;
         end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        const auto message = PreviewProtocol::parse(line);
        if (message && message->kind == PreviewProtocol::Kind::Closed) {
            release(process);
            if (events_.closed)
                events_.closed(message->outer);
        } else if (message && message->kind == PreviewProtocol::Kind::Link) {
            if (events_.openLink)
                events_.openLink(message->url);
        } else {
            std::fprintf(stderr, "marquetto: ignored a line from the preview program: %s\n",
                         line.constData());
        }
    }
}

// The window's process ended before it said that the window was closed: a crash, a kill, or a web
// engine that could not start.
void PreviewProcess::ended(QProcess* process)
{
    if (process != process_) {
        process->deleteLater();
        return;
    }
    readReplies(process);
    if (process != process_) {
        process->deleteLater();
        return;
    }
    const QString how =
        process->exitStatus() == QProcess::CrashExit
            ? tr("The preview stopped: its program crashed or was ended from outside.")
            : tr("The preview stopped: its program ended with exit status %1.").arg(process->exitCode());
    process_ = nullptr;
    process->deleteLater();
    if (events_.stopped)
        events_.stopped(how + ' ' + tr("The design is unchanged; press Preview to open the window again."));
}

void PreviewProcess::failedToStart(QProcess* process)
{
    if (process != process_)
        return;
    const QString why = process->errorString();
    process_ = nullptr;
    process->deleteLater();
    if (events_.failed)
        events_.failed(tr("\"%1\": the preview program could not be started: %2").arg(program_, why));
}

// A process whose window is closed ends by itself once its standard input is closed.
void PreviewProcess::release(QProcess* process)
{
    if (process == process_)
        process_ = nullptr;
    process->closeWriteChannel();
}
