#pragma once

#include <QByteArray>
#include <QObject>

class PreviewWindows;
class QSocketNotifier;

// The preview program's side of the line protocol: reads the wizard's requests from one file descriptor,
// shows them through the preview windows, and writes what becomes of the window to another.
class PreviewServer : public QObject
{
    Q_OBJECT

public:
    PreviewServer(PreviewWindows& windows, int input, int output);

signals:
    // The window was closed, or the wizard hung up: the program has nothing more to do.
    void done();

private:
    void readRequests();
    void handle(const QByteArray& line);
    void reply(const QByteArray& line);

    PreviewWindows& windows_;
    int input_;
    int output_;
    QSocketNotifier* notifier_;
    QByteArray pending_;
};
