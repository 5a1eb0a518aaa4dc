#include "preview/PreviewBrowser.h"
#include "preview/PreviewWnd.h"
#include "tests/preview/PreviewPage.h"
#include "tests/preview/PublishingHarness.h"
#include "tests/support/FileBytes.h"

#include <QWebEnginePage>

#include <climits>

namespace {

// A point on the first message of the box, in the view's coordinates, once the box shows it there.
std::optional<QPoint> firstMessage(PreviewWnd* window)
{
    const QVariantList at =
        evaluate(window, "(function(){var f=document.querySelector('iframe');var d=f&&f.contentDocument;"
                         "var m=d&&d.getElementById('d0');if(!m||m.style.visibility=='hidden')return null;"
                         "var a=f.getBoundingClientRect(),b=m.getBoundingClientRect();"
                         "var x=b.left+8,y=b.top+b.height/2,e=d.elementFromPoint(x,y);"
                         "if(!e||!m.contains(e))return null;"
                         "return [a.left+f.clientLeft+x,a.top+f.clientTop+y];})()")
            .toList();
    if (at.size() != 2)
        return std::nullopt;
    return QPoint(qRound(at[0].toDouble()), qRound(at[1].toDouble()));
}

} // namespace

TEST(PreviewPlacement, TheFirstWindowIsTheBoxPlusAHundredWithinLimits)
{
    const struct
    {
        int width;
        int height;
        QRect outer;
    } cases[] = {
        {180, 215, {0, 0, 280, 315}},
        {0, 0, {0, 0, 100, 100}},
        {-5000, 50, {0, 0, 100, 150}},
        {INT_MAX, 1200, {0, 0, 1 << 20, 1300}},
    };
    for (const auto& box : cases) {
        SCOPED_TRACE(box.width);
        EXPECT_EQ(PublishingActions::boxedRect(box.width, box.height), box.outer);
    }
}

TEST(PreviewPlacement, AWindowIsMovedAndCutToLieInsideTheScreensArea)
{
    const QRect screen(0, 0, 1280, 900);
    const QRect belowPanel(0, 30, 1280, 870);
    const QRect secondScreen(1280, 0, 1920, 1080);
    const struct
    {
        QRect outer;
        QRect area;
        QRect placed;
    } cases[] = {
        {{0, 0, 280, 315}, screen, {0, 0, 280, 315}},
        {{40, 50, 400, 300}, screen, {40, 50, 400, 300}},
        {{0, 0, 1700, 1300}, screen, {0, 0, 1280, 900}},
        {{0, 0, 1 << 20, 315}, screen, {0, 0, 1280, 315}},
        {{1200, 800, 400, 300}, screen, {880, 600, 400, 300}},
        {{-50, -20, 300, 200}, screen, {0, 0, 300, 200}},
        {{0, 0, 280, 315}, belowPanel, {0, 30, 280, 315}},
        {{0, 0, 280, 315}, secondScreen, {1280, 0, 280, 315}},
        {{100, 100, 20, 10}, screen, {100, 100, 100, 100}},
    };
    for (const auto& window : cases) {
        SCOPED_TRACE(QString("%1,%2").arg(window.outer.x()).arg(window.outer.width()).toStdString());
        EXPECT_EQ(PublishingActions::clampedToScreen(window.outer, window.area), window.placed);
    }
}

// A click on a message is a user's click; what it opens depends on the message's target.
TEST(PreviewPlacement, ALinkForANewWindowGoesToTheBrowserOthersStayInThePreview)
{
    const QString elsewhere = "elsewhere.html";
    const struct
    {
        const char* target;
        bool toBrowser;
    } cases[] = {{"_blank", true}, {"news", true}, {"_top", false}};
    for (const auto& link : cases) {
        SCOPED_TRACE(link.target);
        PublishingHarness h;
        writeBytes(h.work(elsewhere).toStdString(), "<html><body>elsewhere</body></html>");
        const QString address = link.toBrowser ? "https://example.org/news?id=" + QString(link.target)
                                               : QUrl::fromLocalFile(h.work(elsewhere)).toString();
        h.record.clearMessages();
        // A quick box brings its first message into view at once; the click is what is tried here.
        h.record.scrollDelay = "4";
        for (int i = 0; i < 3; ++i)
            h.record.appendMessage({"Title", "A message to click", address.toStdString(), link.target});
        h.generate();
        h.click("previewButton");
        auto* window = h.windows->window();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        QWidget* view = window->browser()->focusProxy();
        ASSERT_NE(view, nullptr);

        std::optional<QPoint> at;
        ASSERT_TRUE(waitForPage([&] { return (at = firstMessage(window)).has_value(); }))
            << "the box never showed its first message";
        // Over a message the box halts, so the message stays where the click goes.
        QTest::mouseMove(view, *at);
        ASSERT_TRUE(waitForPage([&] {
            const std::optional<QPoint> before = firstMessage(window);
            at = firstMessage(window);
            return before && at && *before == *at;
        })) << "the box did not halt under the mouse";
        if (link.toBrowser)
            h.platform.expectOpenUrl(QUrl(address));
        QTest::mouseClick(view, Qt::LeftButton, {}, *at);
        if (link.toBrowser) {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return h.platform.pendingExpectations() == 0; }, engineDeadline))
                << "the link did not reach the browser";
        } else {
            EXPECT_TRUE(
                QTest::qWaitFor([&] { return window->browser()->url() == QUrl(address); }, engineDeadline))
                << "the preview shows " << window->browser()->url().toString().toStdString();
        }
        closeWindow(window);
    }
}
