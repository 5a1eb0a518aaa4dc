#include "tests/support/FileBytes.h"
#include "tests/ui/WizardHarness.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLayout>
#include <QTest>

#include <gtest/gtest.h>

// The published box's options as a user of the wizard meets them: on the Step 1 page, in the saved file,
// and in the question about unsaved changes.
namespace {

const std::string optionLines = "#%#qvo-x-accessiblebox=1endof-qvo-x-accessiblebox#%#\r\n"
                                "#%#qvo-x-righttoleft=1endof-qvo-x-righttoleft#%#\r\n"
                                "#%#qvo-x-lightmotion=1endof-qvo-x-lightmotion#%#\r\n"
                                "#%#qvo-x-fitpagewidth=1endof-qvo-x-fitpagewidth#%#\r\n"
                                "#%#qvo-x-livemessages=1endof-qvo-x-livemessages#%#\r\n"
                                "#%#qvo-x-liveevery=300endof-qvo-x-liveevery#%#\r\n";

std::string defaultWithOptionLines()
{
    std::string text = readBytes(std::string(MARQUETTO_TEST_DATA) + "/default-written.tkp");
    const std::string countEnd = "endof-qvo-text-message_count#%#\r\n";
    return text.insert(text.find(countEnd) + countEnd.size(), optionLines);
}

QRect placeOn(QWidget* widget, QWidget* page)
{
    return {widget->mapTo(page, QPoint(0, 0)), widget->size()};
}

} // namespace

TEST(WizardOptions, TickingABoxIsAnUnsavedChangeAndTickingItBackIsNone)
{
    const struct
    {
        const char* situation;
        std::vector<const char*> clicks;
        bool asks;
    } cases[] = {
        {"accessible box ticked", {"accessibleBoxCheck"}, true},
        {"right-to-left ticked", {"rightToLeftCheck"}, true},
        {"ticked and unticked", {"accessibleBoxCheck", "accessibleBoxCheck"}, false},
        {"both ticked", {"rightToLeftCheck", "accessibleBoxCheck"}, true},
        {"fit the page width ticked", {"fitPageWidthCheck"}, true},
        {"fit the page width ticked and unticked", {"fitPageWidthCheck", "fitPageWidthCheck"}, false},
        {"light motion ticked", {"lightMotionCheck"}, true},
        {"live messages ticked", {"liveMessagesCheck"}, true},
        {"live messages ticked and unticked", {"liveMessagesCheck", "liveMessagesCheck"}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.situation);
        WizardHarness harness;
        harness.wizard().show();
        for (const char* box : c.clicks)
            QTest::mouseClick(harness.find<QCheckBox>(box), Qt::LeftButton);
        if (c.asks)
            harness.platform.expectSaveChangesQuestion(Platform::SaveChangesAnswer::Cancel);
        harness.click("exitButton");
        harness.platform.verify();
        EXPECT_EQ(harness.wizard().isVisible(), c.asks);
    }
}

TEST(WizardOptions, TickedOptionsAreSavedAndShownTickedWhenTheProjectIsOpenedAgain)
{
    WizardHarness harness;
    harness.wizard().show();
    QTest::mouseClick(harness.find<QCheckBox>("accessibleBoxCheck"), Qt::LeftButton);
    QTest::mouseClick(harness.find<QCheckBox>("rightToLeftCheck"), Qt::LeftButton);
    QTest::mouseClick(harness.find<QCheckBox>("fitPageWidthCheck"), Qt::LeftButton);
    QTest::mouseClick(harness.find<QCheckBox>("lightMotionCheck"), Qt::LeftButton);
    QTest::mouseClick(harness.find<QCheckBox>("liveMessagesCheck"), Qt::LeftButton);
    harness.platform.expectSaveFileName(harness.path("options.tkp"));
    harness.click("saveProjectButton");
    harness.platform.verify();
    EXPECT_EQ(readBytes(harness.folder.file("options.tkp")), defaultWithOptionLines());

    WizardHarness reopened;
    reopened.wizard().show();
    reopened.platform.expectOpenFileName(harness.path("options.tkp"));
    reopened.click("openProjectButton");
    EXPECT_TRUE(reopened.find<QCheckBox>("accessibleBoxCheck")->isChecked());
    EXPECT_TRUE(reopened.find<QCheckBox>("rightToLeftCheck")->isChecked());
    EXPECT_TRUE(reopened.find<QCheckBox>("fitPageWidthCheck")->isChecked());
    EXPECT_TRUE(reopened.find<QCheckBox>("lightMotionCheck")->isChecked());
    EXPECT_TRUE(reopened.find<QCheckBox>("liveMessagesCheck")->isChecked());
    reopened.click("exitButton");
    EXPECT_FALSE(reopened.wizard().isVisible()) << "a design just opened counted as changed";

    // Opening a design without options unticks them all.
    reopened.wizard().show();
    reopened.platform.expectOpenFileName(QString(MARQUETTO_TEST_DATA) + "/default-written.tkp");
    reopened.click("openProjectButton");
    EXPECT_FALSE(reopened.find<QCheckBox>("accessibleBoxCheck")->isChecked());
    EXPECT_FALSE(reopened.find<QCheckBox>("rightToLeftCheck")->isChecked());
    EXPECT_FALSE(reopened.find<QCheckBox>("fitPageWidthCheck")->isChecked());
    EXPECT_FALSE(reopened.find<QCheckBox>("lightMotionCheck")->isChecked());
    EXPECT_FALSE(reopened.find<QCheckBox>("liveMessagesCheck")->isChecked());
}

// The options sit whole in the free space below the name at every font size the wizard is read at.
TEST(WizardOptions, TheOptionsFitBelowTheNameAtEveryFontSize)
{
    const QFont previous = QApplication::font();
    for (int points : {9, 10, 11, 12, 14}) {
        SCOPED_TRACE(points);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSize(points);
        QApplication::setFont(font);
        WizardHarness harness;
        harness.wizard().show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&harness.wizard()));
        QWidget* page = harness.wizard().stepPage(0);
        auto* options = harness.find<QGroupBox>("optionsGroup");
        const QRect name = placeOn(harness.find<QWidget>("nameEdit")->parentWidget(), page);
        const QRect placed = placeOn(options, page);
        EXPECT_TRUE(page->rect().contains(placed))
            << "options at " << placed.y() << "+" << placed.height() << " on a page of " << page->height();
        EXPECT_GT(placed.top(), name.bottom());
        EXPECT_GE(placed.height(), options->minimumSizeHint().height());
        EXPECT_TRUE(options->parentWidget()->rect().contains(options->geometry()));
        for (const char* box : {"accessibleBoxCheck", "rightToLeftCheck", "fitPageWidthCheck",
                                "lightMotionCheck", "liveMessagesCheck", "liveSecondsEdit"}) {
            auto* check = harness.find<QWidget>(box);
            EXPECT_TRUE(options->rect().contains(QRect(check->mapTo(options, QPoint(0, 0)), check->size())))
                << box;
            EXPECT_GE(check->width(), check->sizeHint().width()) << box;
            EXPECT_GE(check->height(), check->sizeHint().height()) << box;
        }
    }
    QApplication::setFont(previous);
}
