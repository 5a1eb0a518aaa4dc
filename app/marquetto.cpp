#include "app/WizardCommandLine.h"
#include "platform/QtPlatform.h"
#include "preview/PreviewModuleLoader.h"
#include "preview/PublishingActions.h"
#include "ui/Artwork.h"
#include "ui/CQuorvoApp.h"
#include "ui/CQuorvoDlg.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <iostream>
#include <unistd.h>

namespace {

// Qt aborts when it cannot reach a display, so look before starting it. A local X display ":N" has
// its socket in /tmp/.X11-unix; any other display, or a platform chosen by QT_QPA_PLATFORM, is trusted.
bool hasDisplay()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        return false;
    const auto local = QRegularExpression(QStringLiteral("^:(\\d+)(\\.\\d+)?$")).match(display);
    return !local.hasMatch() || QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X") + local.captured(1));
}

} // namespace

int main(int argc, char** argv)
{
    const WizardCommandLine commandLine(std::vector<std::string>(argv + 1, argv + argc));
    switch (commandLine.action()) {
    case WizardCommandLine::Action::ShowHelp:
        std::cout << WizardCommandLine::help();
        return 0;
    case WizardCommandLine::Action::ShowVersion:
        std::cout << WizardCommandLine::version();
        return 0;
    case WizardCommandLine::Action::RefuseUsage:
        std::cerr << "marquetto: " << commandLine.problem() << "\nTry 'marquetto --help'.\n";
        return 2;
    case WizardCommandLine::Action::RunWizard:
        break;
    }
    if (!hasDisplay()) {
        std::cerr << "marquetto: there is no graphical display to show the wizard on (DISPLAY is "
                  << (qEnvironmentVariableIsEmpty("DISPLAY") ? "not set"
                                                             : "set, but no X server answers there")
                  << ").\nOn a machine without a screen, run it on a virtual display:  xvfb-run ./run\n";
        return 2;
    }
    // The preview's web engine refuses to start its sandbox for root, as in containers.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    // The preview's web engine draws through an OpenGL context shared with the application's, which Qt
    // makes only when asked before the application exists.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    // No display name: Qt would add it to every window caption.
    QApplication::setApplicationName(QStringLiteral("marquetto"));
    QApplication::setDesktopFileName(QStringLiteral("example.marquetto.Marquetto"));
    QApplication::setWindowIcon(Artwork::applicationIcon());
    QtPlatform platform;
    return CQuorvoApp(
               platform,
               [&platform](CQuorvoDlg& wizard) {
                   new PublishingActions(wizard.record(), platform, *wizard.publishingPage(),
                                         &PreviewModuleLoader::load);
               },
               QFile::decodeName(commandLine.project().c_str()))
        .run();
}
