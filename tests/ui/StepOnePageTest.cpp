#include "project/ProjectRecord.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "ui/about2.h"
#include "ui/dort.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class StepOnePage : public testing::Test
{
protected:
    StepOnePage() : page(record, platform) {}

    template <typename Widget> Widget* control(const char* name) { return findWidget<Widget>(&page, name); }

    ProjectRecord record;
    FakePlatform platform;
    dort page;
};

TEST_F(StepOnePage, TheNameGoesToTheRecordExactlyAsTyped)
{
    record.scrollerName = "loaded_";
    page.LoadFromRecord();
    auto* name = control<QLineEdit>("nameEdit");
    EXPECT_EQ(name->text(), "loaded_");

    for (const char* typed : {"  spaced name  ", "", "a/b:c"}) {
        name->setText(typed);
        page.FlushToRecord();
        EXPECT_EQ(record.scrollerName, typed);
    }
}

TEST_F(StepOnePage, AWindows1252NameShowsAsItsAuthorSawItAndStaysByteForByte)
{
    record.scrollerName = "caf\xE9\x80_";
    page.LoadFromRecord();
    EXPECT_EQ(control<QLineEdit>("nameEdit")->text(), QString::fromUtf8("café€_"));
    page.FlushToRecord();
    EXPECT_EQ(record.scrollerName, "caf\xE9\x80_");
}

TEST_F(StepOnePage, TheWebSiteButtonShowsAndOpensTheAddress)
{
    auto* button = control<QPushButton>("webSiteButton");
    EXPECT_EQ(button->text(), "http://www.marquetto.example/");
    platform.expectOpenUrl(QUrl("http://www.marquetto.example/"));
    QTest::mouseClick(button, Qt::LeftButton);
}

TEST_F(StepOnePage, AboutOpensTheSmallAboutBox)
{
    QString title, product;
    onNextModal([&](QWidget* modal) {
        auto* box = qobject_cast<about2*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        product = findWidget<QLabel>(box, "productName")->text();
        QTest::mouseClick(findWidget<QPushButton>(box, "okButton"), Qt::LeftButton);
    });
    QTest::mouseClick(control<QPushButton>("aboutButton"), Qt::LeftButton);
    EXPECT_EQ(title, "Marquetto");
    EXPECT_EQ(product, "Marquetto");
}

TEST_F(StepOnePage, ShowsTheBannerAndTheNameGroup)
{
    const QPixmap banner = control<QLabel>("banner")->pixmap();
    EXPECT_EQ(banner.size(), QSize(217, 59));
    const QImage image = banner.toImage();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    int lightPixels = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            lightPixels += image.pixelColor(x, y).lightness() > 180 ? 1 : 0;
    EXPECT_GT(lightPixels, 300) << "no light grey lettering on the banner";

    auto* group = page.findChild<QGroupBox*>();
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Name :");
    QStringList texts;
    for (auto* label : group->findChildren<QLabel*>())
        texts << label->text();
    EXPECT_EQ(texts, QStringList{"Name of your scroller. If you use more than one scroller on the same site, "
                                 "please set different names for each one."});
    EXPECT_EQ(control<QPushButton>("openProjectButton")->text(), "Open Project");
    EXPECT_EQ(control<QPushButton>("aboutButton")->text(), "About");
}

// About, Open Project and the web site stand in one column at the page's right edge, from the banner's top
// down in that order, each as wide as the others.
TEST_F(StepOnePage, TheButtonsStandInOneColumnAtTheRightOfTheBanner)
{
    page.resize(560, 420);
    page.show();
    const auto placeOf = [&](QWidget* widget) {
        return QRect(widget->mapTo(&page, QPoint(0, 0)), widget->size());
    };
    const QRect banner = placeOf(control<QLabel>("banner"));
    const QRect about = placeOf(control<QPushButton>("aboutButton"));
    const QRect open = placeOf(control<QPushButton>("openProjectButton"));
    const QRect site = placeOf(control<QPushButton>("webSiteButton"));
    int widest = 0;
    for (const char* name : {"aboutButton", "openProjectButton", "webSiteButton"})
        widest = std::max(widest, control<QPushButton>(name)->sizeHint().width());
    EXPECT_EQ(banner.left(), 12);
    EXPECT_EQ(about.top(), banner.top());
    EXPECT_EQ(about.width(), widest);
    for (const QRect& button : {about, open, site}) {
        EXPECT_EQ(button.left(), about.left());
        EXPECT_EQ(button.width(), about.width());
        EXPECT_EQ(button.right(), page.width() - 12 - 1);
        EXPECT_GT(button.left(), banner.right() + 16);
    }
    EXPECT_LT(about.bottom(), open.top());
    EXPECT_LT(open.bottom(), site.top());
}

TEST_F(StepOnePage, OpenProjectShowsTheNameOnlyWhenAProjectWasRead)
{
    auto* name = control<QLineEdit>("nameEdit");
    name->setText("typed_");
    record.scrollerName = "read_";
    bool readSucceeds = false;
    page.setOpenProjectCommand([&] { return readSucceeds; });

    QTest::mouseClick(control<QPushButton>("openProjectButton"), Qt::LeftButton);
    EXPECT_EQ(name->text(), "typed_");

    readSucceeds = true;
    QTest::mouseClick(control<QPushButton>("openProjectButton"), Qt::LeftButton);
    EXPECT_EQ(name->text(), "read_");
}

// The option boxes show the record's flags, a flag ticked only by 1, and hand back exactly 1 or 0.
TEST_F(StepOnePage, TheOptionBoxesShowAndStoreTheirFlags)
{
    auto* accessible = control<QCheckBox>("accessibleBoxCheck");
    auto* rightToLeft = control<QCheckBox>("rightToLeftCheck");
    auto* fitWidth = control<QCheckBox>("fitPageWidthCheck");
    auto* light = control<QCheckBox>("lightMotionCheck");
    EXPECT_EQ(accessible->text(), "Accessible box (pause button, keyboard, reduced motion)");
    EXPECT_EQ(rightToLeft->text(), "Right-to-left text");
    EXPECT_EQ(fitWidth->text(), "Fit the page width");
    EXPECT_EQ(light->text(), "Light motion");
    const struct
    {
        int accessibleBox;
        int rightToLeft;
        int fitPageWidth;
        int lightMotion;
        bool accessibleShown;
        bool rightToLeftShown;
        bool fitWidthShown;
        bool lightShown;
    } loads[] = {{1, 0, 0, 0, true, false, false, false}, {0, 1, 0, 0, false, true, false, false},
                 {0, 0, 1, 0, false, false, true, false}, {0, 0, 0, 1, false, false, false, true},
                 {1, 1, 1, 1, true, true, true, true},    {2, -1, 11, 2, false, false, false, false}};
    for (const auto& c : loads) {
        SCOPED_TRACE(std::to_string(c.accessibleBox) + "," + std::to_string(c.rightToLeft) + "," +
                     std::to_string(c.fitPageWidth));
        record.accessibleBox = c.accessibleBox;
        record.rightToLeft = c.rightToLeft;
        record.fitPageWidth = c.fitPageWidth;
        record.lightMotion = c.lightMotion;
        page.LoadFromRecord();
        EXPECT_EQ(accessible->isChecked(), c.accessibleShown);
        EXPECT_EQ(rightToLeft->isChecked(), c.rightToLeftShown);
        EXPECT_EQ(fitWidth->isChecked(), c.fitWidthShown);
        EXPECT_EQ(light->isChecked(), c.lightShown);
        record.accessibleBox = 7;
        record.rightToLeft = 7;
        record.fitPageWidth = 7;
        record.lightMotion = 7;
        page.FlushToRecord();
        EXPECT_EQ(record.accessibleBox, c.accessibleShown ? 1 : 0);
        EXPECT_EQ(record.rightToLeft, c.rightToLeftShown ? 1 : 0);
        EXPECT_EQ(record.fitPageWidth, c.fitWidthShown ? 1 : 0);
        EXPECT_EQ(record.lightMotion, c.lightShown ? 1 : 0);
    }
}

// The seconds can be set only while live messages are on; the field keeps them within 10 to 86400, a number
// typed below the range becoming the least, and a project's value shows as it is.
TEST_F(StepOnePage, TheSecondsOfLiveMessagesGoWithTheirOption)
{
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    auto* live = control<QCheckBox>("liveMessagesCheck");
    auto* seconds = control<QSpinBox>("liveSecondsEdit");
    page.LoadFromRecord();
    EXPECT_EQ(live->text(), "Live messages");
    EXPECT_EQ(seconds->text(), "every 300 seconds");
    EXPECT_FALSE(seconds->isEnabled());

    record.liveMessages = 1;
    record.liveSeconds = 45;
    page.LoadFromRecord();
    EXPECT_TRUE(seconds->isEnabled());
    EXPECT_EQ(seconds->value(), 45);
    const struct
    {
        const char* typed;
        int stored;
    } typedValues[] = {{"600", 600}, {"86400", 86400}, {"99999", 9999}, {"5", 10}, {"x", 10}};
    for (const auto& typed : typedValues) {
        SCOPED_TRACE(typed.typed);
        seconds->setFocus();
        seconds->selectAll();
        QTest::keyClicks(seconds, typed.typed);
        live->setFocus();
        page.FlushToRecord();
        EXPECT_EQ(record.liveSeconds, typed.stored);
    }
    QTest::mouseClick(live, Qt::LeftButton);
    EXPECT_FALSE(seconds->isEnabled());
    page.FlushToRecord();
    EXPECT_EQ(record.liveMessages, 0);
}

} // namespace
