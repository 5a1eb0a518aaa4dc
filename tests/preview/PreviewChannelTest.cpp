#include "preview/PreviewProcess.h"
#include "preview/PreviewProtocol.h"
#include "preview/PreviewServer.h"
#include "preview/PublishingActions.h"
#include "project/ProjectRecord.h"
#include "tests/support/FakePlatform.h"
#include "tests/support/FindWidget.h"
#include "tests/support/TemporaryFolder.h"
#include "ui/uc.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

using Kind = PreviewProtocol::Kind;
using Message = PreviewProtocol::Message;

constexpr int deadline = 30000;

TEST(PreviewProtocol, ReadsEachMessageItsLinesCarry)
{
    const struct
    {
        const char* line;
        Message message;
    } cases[] = {
        {"reload", {Kind::Reload, {}, {}, {}}},
        {"open 0 0 280 315 file:///home/ana/preview.html",
         {Kind::Open, {0, 0, 280, 315}, QUrl("file:///home/ana/preview.html"), {}}},
        {"open -1280 -20 640 480 file:///tmp/a%20b/%C3%A9t%C3%A9.html",
         {Kind::Open, {-1280, -20, 640, 480}, QUrl::fromLocalFile("/tmp/a b/été.html"), {}}},
        {"closed 40 50 400 300", {Kind::Closed, {40, 50, 400, 300}, {}, {}}},
        {"link https://example.org/news?id=1&x=%22q%22",
         {Kind::Link, {}, QUrl::fromEncoded("https://example.org/news?id=1&x=%22q%22"), {}}},
        {"update file:///run/p/a/preview.html",
         {Kind::Update, {}, QUrl::fromLocalFile("/run/p/a/preview.html"), {}}},
        {"note Not%20updated%3A%20%C3%A9", {Kind::Note, {}, {}, "Not updated: é"}},
        {"note", {Kind::Note, {}, {}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const auto parsed = PreviewProtocol::parse(c.line);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.message);
    }
}

TEST(PreviewProtocol, RefusesLinesThatAreNoMessage)
{
    const char* lines[] = {
        "",
        "Reload",
        "reload now",
        " reload",
        "open 0 0 280 315",
        "open 0 0 280 file:///p.html",
        "open 0 0 0 315 file:///p.html",
        "open 0 0 280 -5 file:///p.html",
        "open 0 0 28x 315 file:///p.html",
        "open 0 0 280 315 preview.html",
        "open 0 0 280 315 file:///a b.html",
        "open 0 0 99999999999 315 file:///p.html",
        "closed 1 2 3",
        "closed 1 2 3 4 5",
        "closed 1.5 2 3 4",
        "link",
        "link https://a.org/ https://b.org/",
        "link http://[oops/",
        "update",
        "update preview.html",
        "update file:///a.html file:///b.html",
        "note two words",
        "quit",
    };
    for (const char* line : lines)
        EXPECT_FALSE(PreviewProtocol::parse(line).has_value()) << '"' << line << '"';
}

TEST(PreviewProtocol, EveryMessageIsOneLineThatReadsBackAsItWasWritten)
{
    const QUrl awkward = QUrl::fromLocalFile("/tmp/with space/line\nbreak/100%/naïve.html");
    const struct
    {
        QByteArray line;
        Message message;
    } cases[] = {
        {PreviewProtocol::open({-3, 7, 281, 316}, awkward), {Kind::Open, {-3, 7, 281, 316}, awkward, {}}},
        {PreviewProtocol::reload(), {Kind::Reload, {}, {}, {}}},
        {PreviewProtocol::closed({1280, 0, 1700, 1080}), {Kind::Closed, {1280, 0, 1700, 1080}, {}, {}}},
        {PreviewProtocol::link(QUrl("https://example.org/a b?q=ü")),
         {Kind::Link, {}, QUrl("https://example.org/a b?q=ü"), {}}},
        {PreviewProtocol::update(awkward), {Kind::Update, {}, awkward, {}}},
        {PreviewProtocol::note("\"a b/c\": 100% cut\nshort"),
         {Kind::Note, {}, {}, "\"a b/c\": 100% cut\nshort"}},
        {PreviewProtocol::note(""), {Kind::Note, {}, {}, {}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        ASSERT_TRUE(c.line.endsWith('\n'));
        const QByteArray body = c.line.chopped(1);
        EXPECT_FALSE(body.contains('\n'));
        const auto parsed = PreviewProtocol::parse(body);
        ASSERT_TRUE(parsed.has_value());
        EXPECT_EQ(*parsed, c.message);
    }
}

// Windows that remember what they were asked, for the server's side of the channel.
class AskedWindows : public PreviewWindows
{
public:
    void openWindow(const QUrl& page, const QRect& outer, Events events) override
    {
        opened.emplace_back(outer, page);
        this->events = std::move(events);
    }
    void reload() override { ++reloads; }
    void update(const QUrl& page) override { updated.push_back(page); }
    void showNote(const QString& note) override { notes << note; }

    std::vector<std::pair<QRect, QUrl>> opened;
    int reloads = 0;
    std::vector<QUrl> updated;
    QStringList notes;
    Events events;
};

struct Pipe
{
    int ends[2] = {-1, -1};
    Pipe() { EXPECT_EQ(pipe2(ends, O_CLOEXEC), 0); }
    ~Pipe()
    {
        for (int end : ends)
            if (end >= 0)
                close(end);
    }
    void write(const QByteArray& bytes) const
    {
        EXPECT_EQ(::write(ends[1], bytes.data(), bytes.size()), bytes.size());
    }
    void hangUp()
    {
        close(ends[1]);
        ends[1] = -1;
    }
    QByteArray readAvailable() const
    {
        fcntl(ends[0], F_SETFL, O_NONBLOCK);
        char buffer[512];
        const ssize_t got = ::read(ends[0], buffer, sizeof buffer);
        return got > 0 ? QByteArray(buffer, got) : QByteArray();
    }
};

TEST(PreviewServer, ShowsRequestsThatArriveInPiecesAndAnswersWhatBecomesOfTheWindow)
{
    Pipe requests;
    Pipe replies;
    AskedWindows windows;
    PreviewServer server(windows, requests.ends[0], replies.ends[1]);
    QSignalSpy done(&server, &PreviewServer::done);

    requests.write("open 10 20 3");
    requests.write("00 200 file:///tmp/p%20q.html\nrel");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !windows.opened.empty(); }, deadline));
    EXPECT_EQ(windows.opened.front().first, QRect(10, 20, 300, 200));
    EXPECT_EQ(windows.opened.front().second, QUrl::fromLocalFile("/tmp/p q.html"));
    EXPECT_EQ(windows.reloads, 0) << "half a line was taken for a request";
    requests.write("oad\nnonsense\nreload\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.reloads == 2; }, deadline));
    requests.write("update file:///tmp/b/preview.html\nnote Not%20updated\nnote\n");
    ASSERT_TRUE(QTest::qWaitFor([&] { return windows.notes.size() == 2; }, deadline));
    EXPECT_EQ(windows.updated, std::vector<QUrl>{QUrl::fromLocalFile("/tmp/b/preview.html")});
    EXPECT_EQ(windows.notes, QStringList({"Not updated", ""}));

    windows.events.openLink(QUrl("https://example.org/x"));
    windows.events.closed(QRect(44, 55, 320, 240));
    EXPECT_EQ(replies.readAvailable(), "link https://example.org/x\nclosed 44 55 320 240\n");
    EXPECT_EQ(done.count(), 1) << "a closed window did not end the program";
}

TEST(PreviewServer, EndsWhenTheWizardHangsUp)
{
    Pipe requests;
    Pipe replies;
    AskedWindows windows;
    PreviewServer server(windows, requests.ends[0], replies.ends[1]);
    QSignalSpy done(&server, &PreviewServer::done);
    requests.write("open 0 0 100 100 file:///p.html\n");
    requests.hangUp();
    EXPECT_TRUE(done.count() == 1 || done.wait(deadline));
    EXPECT_EQ(windows.opened.size(), 1u);
}

// Stand-ins for the preview program that answer its first request as a script says, so that the
// wizard's side meets each way a window may end.
QString standIn(const TemporaryFolder& folder, const char* name, const QByteArray& afterOpen)
{
    const QString path = QString::fromStdString(folder.path()) + "/" + name;
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nread request\necho \"$request\" > \"$0.asked\"\n" + afterOpen + "\n");
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

TEST(PreviewProcess, EachWayAWindowEndsReachesTheStepFivePage)
{
    const struct
    {
        const char* what;
        QByteArray script;
        QString notice; // empty: none
        QUrl link;      // empty: none
        bool closedByUser = false;
    } cases[] = {
        {"closed by the user", "echo 'closed 40 50 400 300'; cat >/dev/null", {}, {}, true},
        {"a link, then closed",
         "echo 'link https://example.org/n'\necho 'closed 40 50 400 300'",
         {},
         QUrl("https://example.org/n"),
         true},
        {"a crash", "kill -SEGV $$", "crashed or was ended from outside", {}, false},
        {"killed", "kill -KILL $$", "crashed or was ended from outside", {}, false},
        {"an engine that could not start",
         "echo 'no GPU' >&2; exit 3",
         "ended with exit status 3",
         {},
         false},
        {"garbage, then gone", "echo 'closed somewhere'; exit 0", "ended with exit status 0", {}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryFolder folder;
        ProjectRecord record;
        record.width = "180";
        record.height = "215";
        record.workFolder = folder.path() + "/";
        FakePlatform platform;
        uc page(record, platform);
        const QString program = standIn(folder, "preview", c.script);
        PublishingActions actions(record, platform, page, std::make_unique<PreviewProcess>(program));
        auto* button = findWidget<QPushButton>(&page, "previewButton");
        const QByteArray previewPage =
            QUrl::fromLocalFile(QString::fromStdString(folder.path()) + "/preview.html").toEncoded();
        // The second window opens where the user closed the first, or, after a window that went by
        // itself, where the first was asked to open.
        const QByteArray asked[] = {"open 0 0 280 315 " + previewPage + "\n",
                                    QByteArray(c.closedByUser ? "open 40 50 400 300 " : "open 0 0 280 315 ") +
                                        previewPage + "\n"};
        for (const QByteArray& request : asked) {
            if (!c.link.isEmpty())
                platform.expectOpenUrl(c.link);
            if (!c.notice.isEmpty())
                platform.expectNoticeContaining("The preview stopped: its program " + c.notice +
                                                ". The design is unchanged; press Preview to open the "
                                                "window again.");
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(button->text(), "Refresh Preview");
            EXPECT_TRUE(QTest::qWaitFor([&] { return !actions.previewOpen(); }, deadline));
            EXPECT_EQ(button->text(), "Preview");
            EXPECT_TRUE(QTest::qWaitFor([&] { return platform.pendingExpectations() == 0; }, deadline));
            QFile heard(program + ".asked");
            ASSERT_TRUE(heard.open(QIODevice::ReadOnly));
            EXPECT_EQ(heard.readAll().toStdString(), request.toStdString());
        }
    }
}

} // namespace
