#include "app/DisplayProbe.h"
#include "app/WizardCommandLine.h"
#include "platform/QtPlatform.h"
#include "platform/QuietReports.h"
#include "platform/RecordPath.h"
#include "preview/PreviewProcess.h"
#include "preview/PublishingActions.h"
#include "ui/Artwork.h"
#include "ui/CQuorvoApp.h"
#include "ui/CQuorvoDlg.h"
#include "ui/Translations.h"

#include <QApplication>

#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>

namespace {

// A build folder lies inside the source tree, where ./run starts the wizard.
bool startedFromSourceTree()
{
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return !error && std::filesystem::exists(program.parent_path().parent_path() / "CMakeCache.txt");
}

} // namespace

int main(int argc, char** argv)
{
    const auto read = WizardCommandLine::read(std::vector<std::string>(argv + 1, argv + argc));
    if (!read.ok()) {
        std::cerr << "marquetto: " << read.error().message() << "\nTry 'marquetto --help'.\n";
        return 2;
    }
    const WizardCommandLine& commandLine = read.value();
    switch (commandLine.action()) {
    case WizardCommandLine::Action::ShowHelp:
        std::cout << WizardCommandLine::help();
        return 0;
    case WizardCommandLine::Action::ShowVersion:
        std::cout << WizardCommandLine::version();
        return 0;
    case WizardCommandLine::Action::RunWizard:
        break;
    }
    if (const std::string missing = DisplayProbe::whatIsMissing(DisplayProbe::fromProcess());
        !missing.empty()) {
        std::cerr << "marquetto: no display could be reached to show the wizard on (" << missing << ").\n";
        if (startedFromSourceTree())
            std::cerr << "To run it on a machine without a screen, use a virtual display:  xvfb-run ./run\n";
        return 1;
    }
    // Past a file-size limit a save should fail with a message, not end the wizard with the design lost.
    std::signal(SIGXFSZ, SIG_IGN);
    QuietReports::install();
    QApplication application(argc, argv);
    // No display name: Qt would add it to every window caption.
    QApplication::setApplicationName(QStringLiteral("marquetto"));
    QApplication::setDesktopFileName(QStringLiteral("example.marquetto.Marquetto"));
    QApplication::setWindowIcon(Artwork::applicationIcon());
    Translations::install(application, Translations::wantedLanguages(qgetenv),
                          Translations::folderOf(QCoreApplication::applicationDirPath(),
                                                 QStringLiteral(MARQUETTO_INSTALLED_IN)));
    QtPlatform platform;
    return CQuorvoApp(
               platform,
               [&platform](CQuorvoDlg& wizard) {
                   auto* actions = new PublishingActions(wizard.record(), platform, *wizard.publishingPage(),
                                                         std::make_unique<PreviewProcess>());
                   actions->followDesign([&wizard] { return wizard.designInView(); });
                   QObject::connect(&wizard, &CQuorvoDlg::designChanged, actions,
                                    &PublishingActions::designChanged);
               },
               RecordPath::toPath(commandLine.project()))
        .run();
}
