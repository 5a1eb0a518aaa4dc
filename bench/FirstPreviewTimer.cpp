#include "bench/BenchPlatform.h"
#include "preview/PreviewModuleLoader.h"
#include "preview/PublishingActions.h"
#include "ui/CQuorvoDlg.h"
#include "ui/uc.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QWebEngineView>

#include <cstdio>
#include <cstring>

// Seconds from the press of "Preview" to the first frame of the page on the screen, or, as the
// yardstick, from the creation of a bare web view loading the same page to its first frame.
//   first_preview_timer wizard WORK_FOLDER    (writes WORK_FOLDER/preview.html on the way)
//   first_preview_timer bare PAGE
namespace {

constexpr double giveUpSeconds = 60;

// A page has painted once its part of the screen holds more than one colour.
bool painted(const QRect& area)
{
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
                            .toImage();
    const QRgb first = shot.pixel(0, 0);
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 2)
            if (shot.pixel(x, y) != first)
                return true;
    return false;
}

double secondsUntilPainted(const QElapsedTimer& clock, const std::function<QRect()>& area)
{
    while (clock.elapsed() < giveUpSeconds * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (const QRect where = area(); where.isValid() && painted(where))
            return clock.nsecsElapsed() / 1e9;
    }
    return -1;
}

double wizardPreview(const QString& workFolder)
{
    BenchPlatform platform;
    CQuorvoDlg wizard(platform, QDir::currentPath().toStdString(), (workFolder + "/").toStdString());
    PublishingActions actions(wizard.record(), platform, *wizard.publishingPage(),
                              &PreviewModuleLoader::load);
    wizard.move(600, 0);
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return -1;
    wizard.findChild<QTabBar*>("stepTabs")->setCurrentIndex(CQuorvoDlg::publishingStep);
    QCoreApplication::processEvents();

    QElapsedTimer clock;
    clock.start();
    wizard.publishingPage()->findChild<QPushButton*>("previewButton")->click();
    return secondsUntilPainted(clock, [&actions] {
        QWidget* window = actions.previewWindow();
        return window && window->isVisible() ? window->geometry() : QRect();
    });
}

double bareView(const QString& page)
{
    QElapsedTimer clock;
    clock.start();
    QWebEngineView view;
    view.setGeometry(0, 0, 280, 315);
    view.load(QUrl::fromLocalFile(page));
    view.show();
    return secondsUntilPainted(clock, [&view] { return view.isVisible() ? view.geometry() : QRect(); });
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "wizard") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: first_preview_timer wizard WORK_FOLDER | bare PAGE\n");
        return 2;
    }
    // As the wizard's own main() does.
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    const QString target = QString::fromLocal8Bit(argv[2]);
    const double seconds = std::strcmp(argv[1], "wizard") == 0 ? wizardPreview(target) : bareView(target);
    if (seconds < 0) {
        std::fprintf(stderr, "the page never painted\n");
        return 1;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}
