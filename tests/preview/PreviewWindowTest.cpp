#include "preview/PreviewBrowser.h"
#include "preview/PreviewProcess.h"
#include "preview/PreviewWnd.h"
#include "tests/preview/PreviewPage.h"
#include "tests/preview/PublishingHarness.h"
#include "tests/support/FindWidget.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QSignalSpy>
#include <QWebEnginePage>

#include <cstdlib>
#include <fstream>

namespace {

// The news box lives in the snippet's iframe inside preview.html.
const QString inBox = "(function(){var f=document.querySelector('iframe');var d=f&&f.contentDocument;"
                      "var box=d&&d.getElementById('spagens');if(!box)return null;%1})()";

QString boxExpression(const QString& body)
{
    return inBox.arg(body);
}

} // namespace

TEST(PreviewWindow, ShowsTheGeneratedNewsBoxMovingInTheRealEngine)
{
    PublishingHarness h;
    h.generate();
    h.click("previewButton");
    PreviewWnd* window = h.windows->window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Live Preview");

    const QString messages =
        boxExpression("return Array.from(box.querySelectorAll('[id]')).filter(function(e){return "
                      "/^d[0-9]+$/.test(e.id);}).length;");
    ASSERT_TRUE(waitForPage([&] { return evaluate(window, messages).toInt() == 3; }))
        << "the box never held the three default messages";
    EXPECT_EQ(window->browser()->url(), QUrl::fromLocalFile(h.work("preview.html")));

    const QString columnTop = boxExpression("return document.querySelector('iframe').contentDocument"
                                            ".getElementById('enuzun').style.top;");
    QString first;
    ASSERT_TRUE(waitForPage([&] { return !(first = evaluate(window, columnTop).toString()).isEmpty(); }));
    EXPECT_TRUE(waitForPage([&] { return evaluate(window, columnTop).toString() != first; }))
        << "the column stayed at " << first.toStdString();
    closeWindow(window);
}

TEST(PreviewWindow, OpensSizedFromTheBoxThenWhereItWasClosed)
{
    PublishingHarness h;
    h.generate();
    auto* previewButton = findWidget<QPushButton>(&h.page, "previewButton");
    h.click("previewButton");
    QPointer<PreviewWnd> first = h.windows->window();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->frameGeometry(), QRect(0, 0, 280, 315));
    EXPECT_EQ(previewButton->text(), "Refresh Preview");

    QSignalSpy reloads(first->browser(), &QWebEngineView::loadStarted);
    first->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(first));
    QApplication::setActiveWindow(first);
    if (QApplication::focusWidget())
        QApplication::focusWidget()->clearFocus();
    h.click("previewButton");
    EXPECT_EQ(h.windows->window(), first.data()) << "a second press made a new window";
    QWidget* focused = QApplication::focusWidget();
    EXPECT_TRUE(focused && (focused == first->browser() || first->browser()->isAncestorOf(focused)))
        << "the view did not get the focus";
    EXPECT_TRUE(reloads.count() > 0 || reloads.wait(engineDeadline)) << "a second press did not reload";

    first->move(40, 50);
    first->resize(400, 300);
    const QRect closedAt = first->frameGeometry();
    closeWindow(first);
    EXPECT_FALSE(first) << "the closed window was not destroyed";
    EXPECT_EQ(previewButton->text(), "Preview");

    h.record.width = "999";
    h.click("previewButton");
    PreviewWnd* second = h.windows->window();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->frameGeometry(), closedAt);
    EXPECT_EQ(closedAt.topLeft(), QPoint(40, 50));
    closeWindow(second);
}

TEST(PreviewWindow, ShowsTheBoxInItsColoursAtItsPlace)
{
    PublishingHarness h;
    h.record.bgColor = {32, 160, 96};
    h.record.borderColor = {200, 40, 160};
    h.record.borderWidth = "3";
    h.generate();
    h.click("previewButton");
    PreviewWnd* window = h.windows->window();
    ASSERT_NE(window, nullptr);

    // The box is drawn in the snippet's iframe: its border from the iframe's left edge, and above the
    // messages' clip (4 pixels below the border) only the page's background shows. The iframe moves while
    // the window settles at its size, so its corner is asked for again with every picture.
    const QString frameCorner = "(function(){var f=document.querySelector('iframe');if(!f)return null;"
                                "var r=f.getBoundingClientRect();return [r.left,r.top];})()";
    const auto near = [](QColor shown, QColor expected) {
        return std::abs(shown.red() - expected.red()) <= 2 &&
               std::abs(shown.green() - expected.green()) <= 2 &&
               std::abs(shown.blue() - expected.blue()) <= 2;
    };
    QImage picture;
    QPoint onBorder;
    QPoint onBackground;
    const bool shown = waitForPage([&] {
        const QVariantList corner = evaluate(window, frameCorner).toList();
        if (corner.size() != 2)
            return false;
        const QPoint box(qRound(corner[0].toDouble()), qRound(corner[1].toDouble()));
        onBorder = box + QPoint(1, 100);
        onBackground = box + QPoint(60, 4);
        picture = window->browser()->grab().toImage();
        return picture.valid(onBorder) && picture.valid(onBackground) &&
               near(picture.pixelColor(onBorder), QColor(200, 40, 160)) &&
               near(picture.pixelColor(onBackground), QColor(32, 160, 96));
    });
    const QString folder = QString(MARQUETTO_SCREENSHOTS) + "/";
    QDir().mkpath(folder);
    picture.save(folder + "preview-window.png");
    EXPECT_TRUE(shown) << "border " << picture.pixelColor(onBorder).name().toStdString() << ", background "
                       << picture.pixelColor(onBackground).name().toStdString();
    closeWindow(window);
}

// A tall page in one colour, so that every picture of the window shows which page is in front.
QUrl tallPage(const TemporaryFolder& folder, const char* name, const char* colour)
{
    const std::string path = folder.file(name);
    std::ofstream(path) << "<html><body style=\"margin:0;background:" << colour
                        << "\"><div style=\"height:3000px\"></div></body></html>";
    return QUrl::fromLocalFile(QString::fromStdString(path));
}

TEST(PreviewWindow, ANewPageTakesTheOldOnesPlaceScrolledAsItWasWithNoEmptyPictureBetween)
{
    TemporaryFolder folder;
    const QUrl red = tallPage(folder, "red.html", "#FF0000");
    const QUrl blue = tallPage(folder, "blue.html", "#0000FF");
    WebPreviewWindows windows;
    windows.openWindow(red, QRect(0, 0, 300, 300), {});
    PreviewWnd* window = windows.window();
    ASSERT_TRUE(waitForPage(
        [&] { return evaluate(window, "window.scrollTo(0, 500); window.scrollY").toInt() == 500; }));
    const auto centre = [&] {
        const QImage picture = window->grab().toImage();
        return picture.pixelColor(picture.width() / 2, picture.height() / 2).name();
    };
    ASSERT_TRUE(QTest::qWaitFor([&] { return centre() == "#ff0000"; }, engineDeadline));

    QSignalSpy inFront(window, &PreviewWnd::pageInFront);
    windows.update(blue);
    QStringList seen;
    const bool swapped = QTest::qWaitFor(
        [&] {
            if (seen.isEmpty() || seen.back() != centre())
                seen << centre();
            return inFront.count() == 1;
        },
        engineDeadline);
    ASSERT_TRUE(swapped);
    ASSERT_TRUE(QTest::qWaitFor([&] { return centre() == "#0000ff"; }, engineDeadline));
    seen << centre();
    seen.removeDuplicates();
    EXPECT_EQ(seen, QStringList({"#ff0000", "#0000ff"})) << "pictures between the pages";
    EXPECT_EQ(window->browser()->url(), blue);
    EXPECT_EQ(evaluate(window, "window.scrollY").toInt(), 500);
    closeWindow(window);
}

TEST(PreviewWindow, APreviewThatCannotBeHadIsReportedAndTheButtonKeepsItsCaption)
{
    PublishingHarness h;
    h.generate();
    PublishingActions unavailable(h.record, h.platform, h.page,
                                  std::make_unique<PreviewProcess>("/nowhere/marquetto-preview"));
    h.platform.expectMessageContaining(
        "\"/nowhere/marquetto-preview\": the preview program could not be started: ");
    unavailable.ShowPreview();
    EXPECT_TRUE(QTest::qWaitFor([&] { return h.platform.pendingExpectations() == 0; }, engineDeadline));
    EXPECT_FALSE(unavailable.previewOpen());
    EXPECT_EQ(findWidget<QPushButton>(&h.page, "previewButton")->text(), "Preview");
}

// At the size that the window opens with for the default box, a reason longer than its width is read
// whole: the note wraps to the lines it needs, and the window keeps its width.
TEST(PreviewWindow, ALongNoteWrapsToTheWindowsWidthAndIsReadWhole)
{
    PreviewWnd window([](const QRect&) {});
    window.resize(280, 315);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString note = "Not updated: The name of the news box holds \"/\", a path separator, so "
                         "\"news/newstic.html\" cannot be written; remove it.";
    window.showNote(note);
    auto* label = findWidget<QLabel>(&window, "previewNote");
    const int needed = label->heightForWidth(window.width());
    EXPECT_GT(needed, 3 * label->fontMetrics().height()) << "the note does not wrap";
    EXPECT_TRUE(QTest::qWaitFor([&] { return label->height() >= needed; }))
        << label->height() << " < " << needed;
    EXPECT_EQ(window.width(), 280);
    EXPECT_LE(label->geometry().right(), window.width());
    EXPECT_EQ(label->text(), note);
    EXPECT_EQ(label->toolTip(), note);
}
