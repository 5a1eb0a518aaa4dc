#include "preview/PreviewWindows.h"
#include "preview/PublishingActions.h"
#include "project/ProjectRecord.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "ui/uc.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

// Runs on two screens side by side (tests/data/screens/two-screens.json): "left" 1280 by 900 at 0,0 and
// "right" 1920 by 1080 at 1280,0.
namespace {

// Windows that are only their rectangles: the test sees the rectangle each one was asked for, and
// closes them as the user would, at a rectangle of its choice.
class RecordedWindows : public PreviewWindows
{
public:
    void openWindow(const QUrl&, const QRect& outer, Events events) override
    {
        asked.push_back(outer);
        close = std::move(events.closed);
    }
    void reload() override {}
    void update(const QUrl&) override {}
    void showNote(const QString&) override {}

    std::vector<QRect> asked;
    std::function<void(const QRect&)> close;
};

QScreen* screenNamed(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    ADD_FAILURE() << "no screen " << name.toStdString();
    return QGuiApplication::primaryScreen();
}

TEST(PreviewScreens, TheFirstWindowOpensOnTheWizardsScreenLaterOnesWhereTheyWereClosed)
{
    ASSERT_EQ(QGuiApplication::screens().size(), 2);
    ProjectRecord record;
    record.width = "1600";
    record.height = "1200";
    FakePlatform platform;
    uc page(record, platform);
    page.setScreen(screenNamed("right"));
    auto* recorded = new RecordedWindows;
    RecordedWindows& windows = *recorded;
    PublishingActions actions(record, platform, page, std::unique_ptr<PreviewWindows>(recorded));
    const auto press = [&] {
        QTest::mouseClick(findWidget<QPushButton>(&page, "previewButton"), Qt::LeftButton);
    };

    const struct
    {
        const char* what;
        QRect closedAt;
        QRect reopened;
    } closes[] = {
        {"on the left screen", {100, 200, 300, 250}, {100, 200, 300, 250}},
        {"half off the left screen", {1100, 600, 300, 250}, {980, 600, 300, 250}},
        {"mostly on the right screen", {1200, 100, 300, 250}, {1280, 100, 300, 250}},
        {"on no screen", {-5000, -5000, 300, 250}, {1280, 0, 300, 250}},
    };
    press();
    ASSERT_EQ(windows.asked.size(), 1u);
    EXPECT_EQ(windows.asked.back(), QRect(1280, 0, 1700, 1080))
        << "the box plus 100, cut to the right screen";
    for (const auto& closed : closes) {
        SCOPED_TRACE(closed.what);
        windows.close(closed.closedAt);
        press();
        EXPECT_EQ(windows.asked.back(), closed.reopened);
    }
}

} // namespace
