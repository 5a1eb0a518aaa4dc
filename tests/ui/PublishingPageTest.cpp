#include "generator/PageRoundTrip.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/uc.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PublishingPage : public testing::Test
{
protected:
    PublishingPage() : record(defaultDesign()), page(record, platform)
    {
        PageRoundTrip::apply(record);
        record.workFolder = folder.path() + "/";
    }

    template <typename Widget> Widget* control(const char* name)
    {
        auto* widget = page.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    TemporaryFolder folder;
    ProjectRecord record;
    FakePlatform platform;
    uc page;
};

} // namespace

TEST_F(PublishingPage, GenerationFillsTheSnippetAndTheFileNames)
{
    record.scrollerName = "news_";
    record.width = "300";
    ASSERT_TRUE(page.GenerateOutputs());

    EXPECT_EQ(
        control<QPlainTextEdit>("snippetEdit")->toPlainText(),
        "<iframe width=\"300\" height=\"215\" src=\"news_newstic.html\" SCROLLING=\"no\" FRAMEBORDER=\"0\" "
        "border=0></iframe>");
    EXPECT_EQ(page.snippetText(), control<QPlainTextEdit>("snippetEdit")->toPlainText());
    EXPECT_EQ(control<QPlainTextEdit>("generatedFilesEdit")->toPlainText(),
              "news_newstic.html\nnews_newsticie.js\nnews_newsticns6.js");
    EXPECT_EQ(page.generatedTexts().embedSnippet, page.snippetText().toStdString());
}

TEST_F(PublishingPage, AFailedRunNamesTheFileAndKeepsTheBoxes)
{
    ASSERT_TRUE(page.GenerateOutputs());
    record.scrollerName = "other_";
    record.workFolder = folder.path() + "/missing/";
    platform.expectMessageContaining(QString::fromStdString(record.workFolder + "preview.html"));

    EXPECT_FALSE(page.GenerateOutputs());

    EXPECT_TRUE(page.snippetText().contains("scroller_newstic.html"));
    EXPECT_TRUE(control<QPlainTextEdit>("generatedFilesEdit")->toPlainText().startsWith("scroller_"));
}

TEST_F(PublishingPage, BoxesCannotBeEditedAndTheSnippetScrollsSideways)
{
    ASSERT_TRUE(page.GenerateOutputs());
    auto* snippet = control<QPlainTextEdit>("snippetEdit");
    auto* files = control<QPlainTextEdit>("generatedFilesEdit");
    const QString before = snippet->toPlainText();
    QTest::keyClicks(snippet, "typed");
    QTest::keyClicks(files, "typed");
    EXPECT_EQ(snippet->toPlainText(), before);
    EXPECT_TRUE(files->toPlainText().endsWith("scroller_newsticns6.js"));
    EXPECT_EQ(snippet->lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(snippet->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_NE(snippet->frameShape(), QFrame::NoFrame);
    EXPECT_EQ(files->frameShape(), QFrame::NoFrame);
}

TEST_F(PublishingPage, ButtonsAnnounceTheirActionsForThePublishingCode)
{
    const struct
    {
        const char* button;
        const char* caption;
        void (uc::*signal)();
    } buttons[] = {{"previewButton", "Preview", &uc::previewRequested},
                   {"previewInBrowserButton", "Preview in Browser", &uc::previewInBrowserRequested},
                   {"copyButton", "Copy", &uc::copyRequested},
                   {"copyFilesButton", "Copy Files into...", &uc::copyFilesRequested}};
    for (const auto& b : buttons) {
        SCOPED_TRACE(b.button);
        QSignalSpy spy(&page, b.signal);
        auto* button = control<QPushButton>(b.button);
        EXPECT_EQ(button->text(), b.caption);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(spy.count(), 1);
    }
    page.setPreviewButtonCaption("Refresh Preview");
    EXPECT_EQ(control<QPushButton>("previewButton")->text(), "Refresh Preview");
}

TEST_F(PublishingPage, GroupsAreTheThreeSubSteps)
{
    QStringList titles;
    for (auto* group : page.findChildren<QGroupBox*>())
        titles << group->title();
    titles.sort();
    EXPECT_EQ(titles, QStringList({"Step 1 :", "Step 2 :", "Step 3 :"}));
    QStringList labels;
    for (auto* label : page.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_TRUE(labels.contains("Generated files :"));
    EXPECT_TRUE(labels.contains("Copy the below into the <body> section of your web\n"
                                "page where you wish the news scroller to appear."));
}
