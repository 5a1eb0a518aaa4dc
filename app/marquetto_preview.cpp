#include "platform/QuietReports.h"
#include "preview/PreviewServer.h"
#include "preview/WebPreviewWindows.h"
#include "ui/Artwork.h"
#include "ui/Translations.h"

#include <QApplication>

#include <csignal>
#include <cstdio>
#include <unistd.h>

// The preview window in a process of its own, started by the wizard at its first "Preview" and driven
// over standard input and output (see PreviewProtocol). It ends when its window closes or when the
// wizard closes its standard input, the wizard's own end included.
int main(int argc, char** argv)
{
    if (isatty(STDIN_FILENO)) {
        std::fprintf(stderr, "marquetto-preview: shows the wizard's preview window; the wizard starts it.\n");
        return 2;
    }
    // Only the wizard's requests and their replies use the channel: whatever else writes to standard
    // output, the web engine included, reaches standard error.
    const int channel = dup(STDOUT_FILENO);
    dup2(STDERR_FILENO, STDOUT_FILENO);
    // A wizard that is gone cannot end this program by its last reply.
    std::signal(SIGPIPE, SIG_IGN);
    // The web engine refuses to start its sandbox for root, as in containers.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The web engine draws through an OpenGL context shared with the application's, which Qt makes only
    // when asked before the application exists.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QuietReports::install();
    QApplication application(argc, argv);
    // The wizard's names, so that the desktop counts the window as the wizard's; no display name, which
    // Qt would add to the caption.
    QApplication::setApplicationName(QStringLiteral("marquetto"));
    QApplication::setDesktopFileName(QStringLiteral("example.marquetto.Marquetto"));
    QApplication::setWindowIcon(Artwork::applicationIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    Translations::install(application, Translations::wantedLanguages(qgetenv),
                          Translations::folderOf(QCoreApplication::applicationDirPath(),
                                                 QStringLiteral(MARQUETTO_INSTALLED_IN)));
    WebPreviewWindows windows;
    PreviewServer server(windows, STDIN_FILENO, channel);
    QObject::connect(&server, &PreviewServer::done, &application, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    return application.exec();
}
