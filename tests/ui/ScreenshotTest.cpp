#include "feed/FeedImport.h"
#include "tests/support/NextModal.h"
#include "tests/support/SampleFeeds.h"
#include "tests/ui/WizardHarness.h"
#include "ui/CAboutDlg.h"
#include "ui/FeedImportDialog.h"
#include "ui/about2.h"
#include "ui/addbox.h"
#include "ui/modifybox.h"

#include <QAbstractButton>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

// Renders every page and dialog of the wizard to build/screenshots/ for people to look at, and checks
// on the way that no caption is cut off and no control sticks out of its window.
namespace {

QString screenshotPath(const QString& name)
{
    QDir().mkpath(MARQUETTO_SCREENSHOT_DIR);
    return QStringLiteral(MARQUETTO_SCREENSHOT_DIR "/") + name + ".png";
}

bool textIsCut(const QWidget* control)
{
    const QSize needed = control->minimumSizeHint();
    if (const auto* label = qobject_cast<const QLabel*>(control); label != nullptr && label->wordWrap())
        return control->height() < label->heightForWidth(control->width());
    return control->width() < needed.width() || control->height() < needed.height();
}

// Captions, buttons and tick boxes whose text does not fit, and visible controls outside the window.
QStringList untidyControls(QWidget* window)
{
    QStringList found;
    const QRect inside = window->rect();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(window))
            continue;
        const QRect placed(control->mapTo(window, QPoint(0, 0)), control->size());
        const QString name =
            control->objectName().isEmpty() ? control->metaObject()->className() : control->objectName();
        if (!inside.contains(placed))
            found << name + " sticks out";
        const bool hasCaption = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control);
        if (hasCaption && textIsCut(control))
            found << name + " is cut off";
    }
    return found;
}

void saveAndCheck(QWidget* window, const QString& name)
{
    SCOPED_TRACE(name.toStdString());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    const QPixmap picture = window->grab();
    EXPECT_TRUE(picture.save(screenshotPath(name)));
    EXPECT_EQ(untidyControls(window), QStringList());
}

} // namespace

TEST(Screenshots, EveryStepOfTheWizard)
{
    WizardHarness harness;
    for (int step = 0; step < CQuorvoDlg::stepCount; ++step) {
        harness.goToStep(step);
        saveAndCheck(&harness.wizard(), QStringLiteral("step%1").arg(step + 1));
    }
}

TEST(Screenshots, StepFiveWithTheFindingsOfTheCheck)
{
    WizardHarness harness;
    harness.goToStep(3);
    harness.typeInto("pauseEdit", "02");
    harness.record().replaceMessage(0, {"Say \\\"hi\\\" now", "C:\\xampp", "http://a.example/it's", "_top"});
    harness.goToStep(CQuorvoDlg::publishingStep);
    saveAndCheck(&harness.wizard(), "step5-findings");
}

TEST(Screenshots, MessageEditors)
{
    WizardHarness harness;
    addbox add(harness.record(), &harness.wizard());
    saveAndCheck(&add, "add-text");
    harness.record().selectedMessage = 1;
    modifybox edit(harness.record(), &harness.wizard());
    saveAndCheck(&edit, "edit");
}

TEST(Screenshots, ImportDialog)
{
    WizardHarness harness;
    auto items = FeedImport::items(harbourFeed);
    ASSERT_TRUE(items.ok());
    FeedImportDialog dialog(std::move(items.value()), "harbour news.rss", 3, &harness.wizard());
    saveAndCheck(&dialog, "import-messages");
}

TEST(Screenshots, AboutBoxes)
{
    CAboutDlg about;
    saveAndCheck(&about, "about");
    about2 stepOneAbout;
    saveAndCheck(&stepOneAbout, "about-step1");
}
