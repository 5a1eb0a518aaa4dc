#include "project/ProjectRecord.h"
#include "tests/support/DefaultDesign.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/NextModal.h"
#include "tests/support/RecordMessages.h"
#include "tests/support/SampleFeeds.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/iki.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>

// Import... on the Step 4 page: the file dialog, the options and their preview, and what reaches the list
// and the record. The feeds are written by hand; the messages expected from them are read off by hand.
namespace {

// The three items of harbourFeed, with the default target.
const Message ferry{"Ferry timetable", "Boats leave at nine and at five.", "https://harbour.example/ferry",
                    "_blank"};
const Message market{"Fish market", "Open on Sundays too.", "https://harbour.example/market", "_blank"};
const Message lighthouse{"Lighthouse tours", "Tours start in May.", "https://harbour.example/light",
                         "_blank"};

// Seven items, for a preview that shows only the first five.
std::string countingFeed()
{
    std::string feed = R"({"version": "https://jsonfeed.org/version/1.1", "title": "Counting", "items": [)";
    for (const char* n : {"1", "2", "3", "4", "5", "6", "7"})
        feed += std::string(n == std::string("1") ? "" : ",") + R"({"id": ")" + n + R"(", "title": "Item )" +
                n + R"(", "content_text": "Number )" + n + R"(", "url": "https://count.example/)" + n +
                R"("})";
    return feed + "]}";
}

Message withTarget(Message message, const std::string& target)
{
    message.target = target;
    return message;
}

ProjectRecord twoMessageDesign()
{
    ProjectRecord record = defaultDesign();
    record.clearMessages();
    record.appendMessage({"Old title A", "old text A", "https://old.example/a", "_top"});
    record.appendMessage({"Old title B", "old text B", "https://old.example/b", "main"});
    return record;
}

// What the user does in the "Import Messages" dialog; a field left empty keeps what the dialog shows.
struct ImportChoices
{
    int maxItems = 0;
    std::optional<QString> target;
    int length = 0;
    bool append = false;
    const char* button = "okButton";
};

const ImportChoices keepAll{0, {}, 0, false, "okButton"};
const ImportChoices appendAll{0, {}, 0, true, "okButton"};
const ImportChoices cancelled{0, {}, 0, false, "cancelButton"};

void choose(QWidget* dialog, const ImportChoices& choices)
{
    if (choices.maxItems > 0)
        findWidget<QSpinBox>(dialog, "maxItemsEdit")->setValue(choices.maxItems);
    if (choices.target)
        findWidget<QLineEdit>(dialog, "targetEdit")->setText(*choices.target);
    if (choices.length > 0)
        findWidget<QSpinBox>(dialog, "lengthEdit")->setValue(choices.length);
    if (choices.append)
        QTest::mouseClick(findWidget<QRadioButton>(dialog, "appendButton"), Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(findWidget<QPushButton>(dialog, choices.button), Qt::LeftButton);
}

class Step4Import : public testing::Test
{
protected:
    Step4Import()
    {
        platform.setDocumentsFolder(QString::fromStdString(documents.path()));
        page.LoadFromRecord();
        page.show();
    }

    std::string writeFeed(const std::string& name, const std::string& bytes)
    {
        const std::string path = feeds.file(name);
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    void pressImport() { QTest::mouseClick(findWidget<QPushButton>(&page, "importButton"), Qt::LeftButton); }

    // Import... on `path`, with the dialog answered by `act`.
    void import(const std::string& path, std::function<void(QWidget*)> act)
    {
        platform.expectOpenFileName(QString::fromStdString(path));
        onNextModal([act = std::move(act)](QWidget* dialog) {
            if (dialog == nullptr) {
                ADD_FAILURE() << "no import dialog opened";
                return;
            }
            act(dialog);
        });
        pressImport();
        platform.verify();
    }

    void import(const std::string& path, const ImportChoices& choices)
    {
        import(path, [choices](QWidget* dialog) { choose(dialog, choices);
    });
}

std::vector<std::string>
shownLines()
{
    auto* list = findWidget<QListWidget>(&page, "messageList");
    std::vector<std::string> lines;
    for (int row = 0; row < list->count(); ++row)
        lines.push_back(list->item(row)->text().toStdString());
    return lines;
}

std::vector<std::string> recordTexts() const
{
    return record.messageTexts();
}

TemporaryFolder documents;
TemporaryFolder feeds;
ProjectRecord record = twoMessageDesign();
FakePlatform platform;
iki page{record, platform};
}; // namespace

TEST_F(Step4Import, TheChosenOptionsDecideWhichMessagesReachTheRecordAndTheList)
{
    const Message oldA = record.message(0);
    const Message oldB = record.message(1);
    const struct
    {
        const char* name;
        ImportChoices choices;
        std::vector<Message> expected;
    } cases[] = {
        {"defaults replace the list", keepAll, {ferry, market, lighthouse}},
        {"append keeps the old messages first", appendAll, {oldA, oldB, ferry, market, lighthouse}},
        {"two items at most", {2, {}, 0, false, "okButton"}, {ferry, market}},
        {"a frame name as target",
         {1, QStringLiteral("news frame"), 0, false, "okButton"},
         {withTarget(ferry, "news frame")}},
        {"_self is the box itself, so links open in its parent",
         {0, QStringLiteral("  _self "), 0, true, "okButton"},
         {oldA, oldB, withTarget(ferry, "_parent"), withTarget(market, "_parent"),
          withTarget(lighthouse, "_parent")}},
        {"an empty target is the import's default",
         {1, QString(), 0, false, "okButton"},
         {withTarget(ferry, "_blank")}},
        // At most 20 characters, the ellipsis one of them: "Boats leave at nine" is 19; the market's text
        // is exactly 20 and stays whole.
        {"texts of 20 characters",
         {0, {}, 20, false, "okButton"},
         {{ferry.title, "Boats leave at nine\u2026", ferry.link, "_blank"}, market, lighthouse}},
        {"Cancel changes nothing", {1, {}, 0, false, "cancelButton"}, {oldA, oldB}},
    };
    const std::string path = writeFeed("harbour.rss", harbourFeed);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        record = twoMessageDesign();
        page.LoadFromRecord();
        import(path, c.choices);
        EXPECT_EQ(messagesOf(record), c.expected);
        EXPECT_EQ(shownLines(), recordTexts());
    }
}

TEST_F(Step4Import, AppendKeepsTheSelectedLineAndReplaceClearsIt)
{
    const std::string path = writeFeed("harbour.xml", harbourFeed);
    auto* list = findWidget<QListWidget>(&page, "messageList");
    list->setCurrentRow(1);
    import(path, appendAll);
    EXPECT_EQ(record.selectedMessage, 1);
    EXPECT_TRUE(findWidget<QPushButton>(&page, "deleteButton")->isEnabled());

    import(path, keepAll);
    EXPECT_EQ(record.selectedMessage, -1);
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_FALSE(findWidget<QPushButton>(&page, "deleteButton")->isEnabled());
}

TEST_F(Step4Import, TheFileDialogStartsInTheDocumentsThenWhereTheLastFeedWas)
{
    const std::string path = writeFeed("harbour.rss", harbourFeed);
    import(path, cancelled);
    platform.expectOpenFileName(std::nullopt);
    pressImport();
    ASSERT_EQ(platform.calls().size(), 2u);
    const FileDialogOptions first = platform.calls()[0].options;
    EXPECT_EQ(first.caption, "Import Feed");
    EXPECT_TRUE(first.existingOnly);
    EXPECT_EQ(first.folder, QString::fromStdString(documents.path()));
    EXPECT_EQ(platform.calls()[1].options.folder, QString::fromStdString(feeds.path()));
    EXPECT_EQ(record.messageCount(), 2);
}

TEST_F(Step4Import, ThePreviewShowsTheFirstFiveItemsAndFollowsTheOptions)
{
    const std::string path = writeFeed("counting.json", countingFeed());
    import(path, [](QWidget* dialog) {
        auto* preview = findWidget<QTreeWidget>(dialog, "previewList");
    auto* summary = findWidget<QLabel>(dialog, "importSummary");
    EXPECT_EQ(dialog->windowTitle(), "Import Messages");
    EXPECT_EQ(findWidget<QLabel>(dialog, "feedFileLabel")->text(), "From \"counting.json\"");
    ASSERT_EQ(preview->topLevelItemCount(), 5);
    EXPECT_EQ(preview->topLevelItem(0)->text(0), "Item 1");
    EXPECT_EQ(preview->topLevelItem(0)->text(1), "Number 1");
    EXPECT_EQ(preview->topLevelItem(0)->text(2), "https://count.example/1");
    EXPECT_EQ(preview->topLevelItem(4)->text(0), "Item 5");
    EXPECT_EQ(summary->text(), "7 messages will replace the 2 messages in the list.");

    findWidget<QSpinBox>(dialog, "maxItemsEdit")->setValue(2);
    EXPECT_EQ(preview->topLevelItemCount(), 2);
    EXPECT_EQ(preview->topLevelItem(1)->text(0), "Item 2");
    EXPECT_EQ(summary->text(), "2 messages will replace the 2 messages in the list.");

    findWidget<QSpinBox>(dialog, "maxItemsEdit")->setValue(1);
    QTest::mouseClick(findWidget<QRadioButton>(dialog, "appendButton"), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(summary->text(), "1 message will be added after the 2 messages in the list.");
    QTest::mouseClick(findWidget<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
});
EXPECT_EQ(record.messageCount(), 2);
}

// What the command line warns about, the dialog shows under its summary, naming the file; a target that
// would mark a record of the project file is refused there, as the command line refuses it.
TEST_F(Step4Import, TheSummaryShowsTheWarningsAndARefusedTarget)
{
    const std::string path = writeFeed("hostile.csv", "title,text,link\n"
                                                      "one,a,http://x.example/?qvo-linktext1=javascript:x\n"
                                                      "two,#%#qvo-x-accessiblebox=1,http://x.example/two\n");
    const QString leftOut =
        "\"hostile.csv\": item 1: its link holds \"qvo-linktext1=\", which the project file "
        "uses to mark a record; the item is left out";
    import(path, [&](QWidget* dialog) {
        auto* summary = findWidget<QLabel>(dialog, "importSummary");
    EXPECT_EQ(summary->text(), "1 message will replace the 2 messages in the list.\n" + leftOut);
    findWidget<QLineEdit>(dialog, "targetEdit")->setText("#%#qvo-x-accessiblebox=1");
    EXPECT_EQ(summary->text(), "\"hostile.csv\": the target \"#%#qvo-x-accessiblebox=1\" holds "
                               "\"qvo-x-accessiblebox=\", which the project file uses to mark a record");
    EXPECT_FALSE(findWidget<QPushButton>(dialog, "okButton")->isEnabled());
    EXPECT_EQ(findWidget<QTreeWidget>(dialog, "previewList")->topLevelItemCount(), 0);
    findWidget<QLineEdit>(dialog, "targetEdit")->setText(" _self ");
    EXPECT_EQ(summary->text(), "1 message will replace the 2 messages in the list.\n" + leftOut);
    QTest::mouseClick(findWidget<QPushButton>(dialog, "okButton"), Qt::LeftButton);
});
EXPECT_EQ(messagesOf(record), (std::vector<Message>{{"two", "#%#qv&#111;-x-accessiblebox=1",
                                                     "http://x.example/two", "_parent"}}));
}

// Four warnings: the first three in full, the last counted.
TEST_F(Step4Import, ManyWarningsAreCounted)
{
    std::string feed = "title,link\n";
    for (int i = 1; i <= 4; ++i)
        feed += "t,http://x.example/endof-qvo-pause\n";
    const std::string path = writeFeed("many.csv", feed + "kept,\n");
    import(path, [&](QWidget* dialog) {
        const QStringList lines = findWidget<QLabel>(dialog, "importSummary")->text().split('\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], "1 message will replace the 2 messages in the list.");
    EXPECT_TRUE(lines[3].startsWith("\"many.csv\": item 3: its link holds \"endof-qvo-pause\""))
        << lines[3].toStdString();
    EXPECT_EQ(lines[4], "1 more warning.");
    QTest::mouseClick(findWidget<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
});
}

TEST_F(Step4Import, AFeedThatCannotBeReadIsReportedNamingTheFileAndNothingChanges)
{
    const std::string tooLarge = feeds.file("huge.xml");
    std::ofstream(tooLarge).close();
    std::filesystem::resize_file(tooLarge, 64u * 1024 * 1024 + 1);
    const std::string fifo = feeds.file("pipe.xml");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct
    {
        const char* name;
        std::string path;
        std::string said;
    } cases[] = {
        // "<item><title>Broken</" is 21 characters: the wrong end tag's name starts in column 22.
        {"a wrong end tag",
         writeFeed("broken.rss", "<?xml version=\"1.0\"?>\n<rss version=\"2.0\"><channel>\n"
                                 "<item><title>Broken</titel></item>\n</channel></rss>\n"),
         "line 3, column 22: "},
        {"no such file", feeds.file("gone.rss"), "cannot be opened for reading: No such file or directory"},
        {"a folder", feeds.path(), "is a folder, not a file"},
        {"a named pipe", fifo, "is a named pipe (FIFO), not a regular file"},
        {"larger than 64 MiB", tooLarge,
         "is 67108865 bytes (64 MiB) large; files over 67108864 bytes (64 MiB)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProjectRecord before = record;
        platform.expectOpenFileName(QString::fromStdString(c.path));
        platform.expectMessageContaining(QString::fromStdString("\"" + c.path + "\": " + c.said));
        pressImport();
        platform.verify();
        EXPECT_EQ(messagesOf(record), messagesOf(before));
        EXPECT_EQ(shownLines(), recordTexts());
    }
}

} // namespace
