#include "bench/BenchPlatform.h"
#include "bench/SampleDesign.h"
#include "platform/RecordPath.h"
#include "preview/PreviewProcess.h"
#include "preview/PublishingActions.h"
#include "ui/CQuorvoDlg.h"
#include "ui/uc.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <stdexcept>
#include <vector>

// The live preview: milliseconds from a width typed on Step 2 to the first frame of the new box on the
// screen, and the longest time the wizard's event loop was held while it followed a row of edits.
//   live_preview_timer MESSAGES [CHANGES]
// prints: MESSAGES MEDIAN_MS WORST_MS LONGEST_WIZARD_FRAME_MS MOST_WORK_IN_A_FRAME_MS
//         LONGEST_FRAME_WITHOUT_PREVIEW_MS
// Runs on an X display without a window manager, where the first preview window lies at the top-left
// corner, sized from the box.
namespace {

constexpr int giveUpMs = 20000;
// A row inside the box: below the page's margin, above the bottom of the smallest box.
constexpr int watchedRow = 100;
constexpr int watchedWidth = 300;

// The box is centred on a white page and framed by a grey border: the first pixel of the row that is
// not white is its left edge, wherever the messages have scrolled to.
int boxLeftEdge()
{
    const QImage row =
        QGuiApplication::primaryScreen()->grabWindow(0, 0, watchedRow, watchedWidth, 1).toImage();
    for (int x = 0; x < row.width(); ++x)
        if (row.pixel(x, 0) != qRgb(255, 255, 255))
            return x;
    return -1;
}

int waitForEdgeMs(const QElapsedTimer& clock, int edge)
{
    while (clock.elapsed() < giveUpMs) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2);
        if (std::abs(boxLeftEdge() - edge) <= 2)
            return static_cast<int>(clock.elapsed());
    }
    return -1;
}

void typeWidth(QLineEdit* widthEdit, int width)
{
    widthEdit->selectAll();
    QTest::keyClicks(widthEdit, QString::number(width));
}

// The longest gap between the ticks of a timer that asks for one every millisecond, in wall time, and the
// most time the wizard's thread itself spent working between two ticks: on a machine whose cores are
// busy with other work, a gap can be longer than the work in it.
class FrameWatch : public QObject
{
public:
    struct Longest
    {
        qint64 wallMs = 0;
        qint64 workMs = 0;
    };

    FrameWatch()
    {
        ticks_.setInterval(1);
        connect(&ticks_, &QTimer::timeout, this, [this] {
            const qint64 work = threadCpuNs();
            longest_.wallMs = std::max(longest_.wallMs, since_.restart());
            longest_.workMs = std::max(longest_.workMs, (work - workAtTick_) / 1000000);
            workAtTick_ = work;
        });
    }
    void start()
    {
        longest_ = {};
        since_.start();
        workAtTick_ = threadCpuNs();
        ticks_.start();
    }
    Longest stop()
    {
        ticks_.stop();
        return longest_;
    }

private:
    static qint64 threadCpuNs()
    {
        timespec now{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return qint64{now.tv_sec} * 1000000000 + now.tv_nsec;
    }

    QTimer ticks_;
    QElapsedTimer since_;
    qint64 workAtTick_ = 0;
    Longest longest_;
};

// Edits with pauses long enough for each to be generated and shown, the screen not being read. The same
// edits without a preview window give the wizard's own frames on this machine.
FrameWatch::Longest longestFrameWhileTyping(QLineEdit* widthEdit, int changes)
{
    FrameWatch watch;
    watch.start();
    for (int change = 0; change < changes; ++change) {
        typeWidth(widthEdit, change % 2 == 0 ? 240 : 180);
        QTest::qWait(400);
    }
    typeWidth(widthEdit, 180);
    QTest::qWait(400);
    return watch.stop();
}

int livePreview(int messages, int changes)
{
    QTemporaryDir folder;
    BenchPlatform platform;
    CQuorvoDlg wizard(platform, RecordPath::toBytes(folder.path()), RecordPath::toBytes(folder.path() + "/"));
    if (messages > 3) {
        platform.projectToOpen = folder.filePath("many.tkp");
        try {
            SampleDesign::writeDefaultWith(messages, RecordPath::toBytes(platform.projectToOpen));
        } catch (const std::runtime_error& failure) {
            std::fprintf(stderr, "%s\n", failure.what());
            return 1;
        }
        wizard.commands().openProject();
    }
    PublishingActions actions(wizard.record(), platform, *wizard.publishingPage(),
                              std::make_unique<PreviewProcess>());
    actions.followDesign([&wizard] { return wizard.designInView(); });
    QObject::connect(&wizard, &CQuorvoDlg::designChanged, &actions, &PublishingActions::designChanged);
    wizard.move(600, 0);
    wizard.show();
    if (!QTest::qWaitForWindowExposed(&wizard))
        return 1;
    auto* tabs = wizard.findChild<QTabBar*>("stepTabs");
    auto* widthEdit = wizard.findChild<QLineEdit*>("widthEdit");
    tabs->setCurrentIndex(1);
    const FrameWatch::Longest alone = longestFrameWhileTyping(widthEdit, changes);
    tabs->setCurrentIndex(CQuorvoDlg::publishingStep);
    wizard.publishingPage()->findChild<QPushButton*>("previewButton")->click();
    QElapsedTimer clock;
    clock.start();
    const int narrowEdge = (180 + 100 - 180) / 2;
    if (waitForEdgeMs(clock, narrowEdge) < 0) {
        std::fprintf(stderr, "the first preview never showed the box at %d (it is at %d)\n", narrowEdge,
                     boxLeftEdge());
        return 1;
    }
    tabs->setCurrentIndex(1);

    // A wider box and back: its left edge moves by half the difference, the page centring it.
    std::vector<int> times;
    for (int change = 0; change < changes; ++change) {
        const int width = change % 2 == 0 ? 240 : 180;
        QTest::qWait(500);
        clock.start();
        typeWidth(widthEdit, width);
        const int ms = waitForEdgeMs(clock, (180 + 100 - width) / 2);
        if (ms < 0) {
            std::fprintf(stderr, "the box of width %d never showed\n", width);
            return 1;
        }
        times.push_back(ms);
    }

    const FrameWatch::Longest live = longestFrameWhileTyping(widthEdit, changes);
    std::sort(times.begin(), times.end());
    std::printf("%d %d %d %lld %lld %lld\n", messages, times[times.size() / 2], times.back(),
                static_cast<long long>(live.wallMs), static_cast<long long>(live.workMs),
                static_cast<long long>(alone.wallMs));
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3 || std::atoi(argv[1]) < 3) {
        std::fprintf(stderr, "usage: live_preview_timer MESSAGES [CHANGES]   (MESSAGES at least 3)\n");
        return 2;
    }
    QApplication application(argc, argv);
    return livePreview(std::atoi(argv[1]), argc == 3 ? std::max(1, std::atoi(argv[2])) : 9);
}
