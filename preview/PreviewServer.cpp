#include "preview/PreviewServer.h"

#include "preview/PreviewProtocol.h"
#include "preview/PreviewWindows.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

PreviewServer::PreviewServer(PreviewWindows& windows, int input, int output)
    : windows_(windows), input_(input), output_(output),
      notifier_(new QSocketNotifier(input, QSocketNotifier::Read, this))
{
    connect(notifier_, &QSocketNotifier::activated, this, &PreviewServer::readRequests);
}

void PreviewServer::readRequests()
{
    char buffer[4096];
    const ssize_t got = ::read(input_, buffer, sizeof buffer);
    if (got < 0 && (errno == EINTR || errno == EAGAIN))
        return;
    if (got <= 0) {
        notifier_->setEnabled(false);
        emit done();
        return;
    }
    pending_.append(buffer, got);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QByteArray line = pending_.left(end);
        pending_.remove(0, end + 1);
        handle(line);
    }
}

void PreviewServer::handle(const QByteArray& line)
{
    const auto message = PreviewProtocol::parse(line);
    if (!message) {
        std::fprintf(stderr, "marquetto-preview: ignored a request it does not know: %s\n", line.constData());
        return;
    }
    switch (message->kind) {
    case PreviewProtocol::Kind::Open:
        windows_.openWindow(message->url, message->outer,
                            {.closed =
                                 [this](const QRect& outer) {
                                     reply(PreviewProtocol::closed(outer));
                                     emit done();
                                 },
                             .openLink = [this](const QUrl& url) { reply(PreviewProtocol::link(url)); },
                             .failed = {},
                             .stopped = {}});
        break;
    case PreviewProtocol::Kind::Reload:
        windows_.reload();
        break;
    case PreviewProtocol::Kind::Update:
        windows_.update(message->url);
        break;
    case PreviewProtocol::Kind::Note:
        windows_.showNote(message->note);
        break;
    case PreviewProtocol::Kind::Closed:
    case PreviewProtocol::Kind::Link:
        std::fprintf(stderr, "marquetto-preview: ignored a reply sent to it: %s\n", line.constData());
        break;
    }
}

// A wizard that has gone reads nothing; the program ends with its window all the same.
void PreviewServer::reply(const QByteArray& line)
{
    qsizetype written = 0;
    while (written < line.size()) {
        const ssize_t now = ::write(output_, line.constData() + written, line.size() - written);
        if (now < 0 && errno == EINTR)
            continue;
        if (now <= 0)
            return;
        written += now;
    }
}
