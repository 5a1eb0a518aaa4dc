#include "generator/PageRoundTrip.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/uc.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <filesystem>
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

    template <typename Widget> Widget* control(const char* name) { return findWidget<Widget>(&page, name); }

    TemporaryFolder folder;
    ProjectRecord record;
    FakePlatform platform;
    uc page;
};

TEST_F(PublishingPage, GenerationFillsTheSnippetAndTheFileNames)
{
    EXPECT_FALSE(control<QFrame>("findingsNotice")->isVisibleTo(&page)) << "nothing was generated yet";
    record.scrollerName = "news_";
    record.width = "300";
    ASSERT_TRUE(page.GenerateOutputs());

    EXPECT_EQ(
        control<QPlainTextEdit>("snippetEdit")->toPlainText(),
        "<iframe width=\"300\" height=\"215\" src=\"news_newstic.html\" SCROLLING=\"no\" FRAMEBORDER=\"0\" "
        "border=0></iframe>");
    EXPECT_EQ(control<QPlainTextEdit>("generatedFilesEdit")->toPlainText(),
              "news_newstic.html\nnews_newsticie.js\nnews_newsticns6.js");
    EXPECT_FALSE(control<QFrame>("findingsNotice")->isVisibleTo(&page)) << "the default design is sound";
}

TEST_F(PublishingPage, FindingsOfTheCheckAreShownBesideTheGeneratedFilesWithoutStoppingThem)
{
    record.replaceMessage(1, {"<textarea>", "Body", "http://a.example/", "_blank"});
    record.textFontSize = "0";
    ASSERT_TRUE(page.GenerateOutputs());

    EXPECT_TRUE(std::filesystem::exists(folder.file("scroller_newsticie.js")));
    auto* notice = control<QFrame>("findingsNotice");
    EXPECT_TRUE(notice->isVisibleTo(&page));
    auto* list = control<QListWidget>("findingsList");
    QStringList lines;
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    ASSERT_EQ(lines.size(), 2) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines[0].startsWith("Step 3, Font size: \"0\" is a font size of 0"))
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith("Step 4, message 2, Title: \"<textarea>\" is left open"))
        << lines[1].toStdString();
    EXPECT_TRUE(control<QLabel>("findingsTitle")->text().contains("found 2 things to fix"))
        << control<QLabel>("findingsTitle")->text().toStdString();

    QSignalSpy stepRequests(&page, &uc::stepToFixRequested);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    ASSERT_EQ(stepRequests.count(), 1);
    EXPECT_EQ(stepRequests.at(0).at(0).toInt(), 3) << "the Step 4 page";

    record.textFontSize = "8";
    record.replaceMessage(1, {"Features", "Body", "http://a.example/", "_blank"});
    ASSERT_TRUE(page.GenerateOutputs());
    EXPECT_FALSE(notice->isVisibleTo(&page)) << "a mended design clears the notice";
}

TEST_F(PublishingPage, AWindows1252DesignShowsItsFindingsAsCharacters)
{
    record.scrollerName = "caf\xe9_";
    record.replaceMessage(0, {"caf\xe9\\", "x", "http://a.example/", "_blank"});
    ASSERT_TRUE(page.GenerateOutputs());
    auto* list = control<QListWidget>("findingsList");
    ASSERT_EQ(list->count(), 1);
    EXPECT_TRUE(list->item(0)->text().startsWith(
        QString::fromUtf8("Step 4, message 1, Title: the backslash in \"\\\"")));
    EXPECT_TRUE(std::filesystem::exists(folder.file("caf\xc3\xa9_newstic.html")));
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

TEST_F(PublishingPage, ARefusedDesignIsExplainedAndNothingIsWritten)
{
    record.textFontFace = "Arial psleftvr1";
    platform.expectMessageContaining("Step 3, Text font name: holds \"psleftvr1\"");
    EXPECT_FALSE(page.GenerateOutputs());
    platform.verify();
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
    EXPECT_EQ(control<QPlainTextEdit>("snippetEdit")->toPlainText(), "");
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

} // namespace
