#include "bench/BenchPlatform.h"
#include "bench/ResidentMemory.h"
#include "preview/PreviewProcess.h"
#include "preview/PublishingActions.h"
#include "project/IntegerText.h"
#include "ui/CQuorvoDlg.h"
#include "ui/uc.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTest>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/prctl.h>
#include <unistd.h>

// Seconds from the press of "Preview" to the first frame of the page on the screen, or, as the
// yardstick, from the start of a bare web view program loading the same page to its first frame.
// The wizard's run also gives its resident memory before the press and after the preview window is
// closed as its close box closes it, and how many processes the preview left behind.
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

double secondsUntilPainted(const QElapsedTimer& clock, const QRect& area)
{
    while (clock.elapsed() < giveUpSeconds * 1000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (painted(area))
            return clock.nsecsElapsed() / 1e9;
    }
    return -1;
}

// This program adopts what the preview program leaves behind (see main), so a web engine process that
// outlives the preview is a child of this one. A session bus that a library started on the way is one
// too, and is not counted.
int previewProcessesLeft()
{
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
        std::ifstream stat(entry.path() / "stat");
        std::string pid, name, state;
        pid_t parent = 0;
        if (stat >> pid >> name >> state >> parent && parent == getpid() && state != "Z" &&
            (name.find("WebEngine") != std::string::npos || name.find("marquetto-prev") != std::string::npos))
            ++count;
    }
    return count;
}

// What the close box does: the window manager's request to delete the window.
bool closeWindowNamed(const char* caption)
{
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr)
        return false;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    bool sent = false;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned i = 0; i < count && !sent; ++i) {
        char* name = nullptr;
        if (XFetchName(display, children[i], &name) && name && std::strcmp(name, caption) == 0) {
            XEvent event{};
            event.xclient.type = ClientMessage;
            event.xclient.window = children[i];
            event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
            event.xclient.format = 32;
            event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
            event.xclient.data.l[1] = CurrentTime;
            sent = XSendEvent(display, children[i], False, NoEventMask, &event) != 0;
        }
        XFree(name);
    }
    XFree(children);
    XCloseDisplay(display);
    return sent;
}

int wizardPreview(const QString& workFolder)
{
    BenchPlatform platform;
    CQuorvoDlg wizard(platform, QDir::currentPath().toStdString(), (workFolder + "/").toStdString());
    PublishingActions actions(wizard.record(), platform, *wizard.publishingPage(),
                              std::make_unique<PreviewProcess>());
    actions.followDesign([&wizard] { return wizard.designInView(); });
    wizard.move(600, 0);
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return 1;
    wizard.findChild<QTabBar*>("stepTabs")->setCurrentIndex(CQuorvoDlg::publishingStep);
    QTest::qWait(300);
    const long before = residentKiB("/proc/self/status");
    const QRect area = PublishingActions::boxedRect(IntegerText::parse(wizard.record().width),
                                                    IntegerText::parse(wizard.record().height));

    QElapsedTimer clock;
    clock.start();
    wizard.publishingPage()->findChild<QPushButton*>("previewButton")->click();
    const double seconds = secondsUntilPainted(clock, area);
    if (seconds < 0) {
        std::fprintf(stderr, "the page never painted\n");
        return 1;
    }
    if (!QTest::qWaitFor([] { return closeWindowNamed("Live Preview"); }, 10000) ||
        !QTest::qWaitFor([&] { return !actions.previewOpen() && previewProcessesLeft() == 0; }, 20000)) {
        std::fprintf(stderr, "the preview did not close (%s), or left %d processes\n",
                     actions.previewOpen() ? "open" : "closed", previewProcessesLeft());
        return 1;
    }
    QTest::qWait(300);
    std::printf("%.3f %ld %ld %d\n", seconds, before, residentKiB("/proc/self/status"),
                previewProcessesLeft());
    return 0;
}

int bareView(const QString& page)
{
    QProcess view;
    view.setProcessChannelMode(QProcess::ForwardedChannels);
    QElapsedTimer clock;
    clock.start();
    view.start(QCoreApplication::applicationDirPath() + "/bare_web_view", {page});
    const double seconds = secondsUntilPainted(clock, QRect(0, 0, 280, 315));
    view.kill();
    view.waitForFinished();
    if (seconds < 0) {
        std::fprintf(stderr, "the page never painted\n");
        return 1;
    }
    std::printf("%.3f\n", seconds);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || (std::strcmp(argv[1], "wizard") != 0 && std::strcmp(argv[1], "bare") != 0)) {
        std::fprintf(stderr, "usage: first_preview_timer wizard WORK_FOLDER | bare PAGE\n");
        return 2;
    }
    prctl(PR_SET_CHILD_SUBREAPER, 1);
    QApplication application(argc, argv);
    const QString target = QString::fromLocal8Bit(argv[2]);
    return std::strcmp(argv[1], "wizard") == 0 ? wizardPreview(target) : bareView(target);
}
