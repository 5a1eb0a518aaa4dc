#include "platform/QuietReports.h"

#include <QLoggingCategory>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

QStringList printed;

void capture(QtMsgType, const QMessageLogContext&, const QString& text)
{
    printed << text;
}

} // namespace

TEST(QuietReports, OnlyTheAccessibleTablesEmptyCellWarningIsDropped)
{
    const struct
    {
        QtMsgType type;
        const char* category;
        const char* text;
        bool quiet;
    } cases[] = {
        {QtWarningMsg, "default", "QAccessibleTable::child: Invalid index at: 0 3", true},
        {QtCriticalMsg, "default", "QAccessibleTable::child: Invalid index at: 0 3", false},
        {QtWarningMsg, "qt.accessibility.core", "QAccessibleTable::child: Invalid index at: 0 3", false},
        {QtWarningMsg, "default", "QFile::remove: Empty or null file name", false},
        {QtWarningMsg, "default", "Leading text QAccessibleTable::child: Invalid index at: 0 0", false},
        {QtWarningMsg, nullptr, "QAccessibleTable::child: Invalid index at: 0 0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(QuietReports::isQuiet(c.type, c.category, c.text), c.quiet);
    }
}

// The web engine's set-up report is information; its warnings are real ones and must still print.
TEST(QuietReports, InstalledTheyKeepEveryOtherMessageAndLevel)
{
    const QtMessageHandler before = qInstallMessageHandler(capture);
    QuietReports::install();
    printed.clear();

    qWarning("QAccessibleTable::child: Invalid index at: %d %d", 0, 1);
    qWarning("a real warning");
    qCritical("QAccessibleTable::child: Invalid index at: 0 1");
    const QLoggingCategory context("qt.webenginecontext");
    qCInfo(context) << "GL Type: disabled";
    qCWarning(context) << "a warning of the web engine";
    const QLoggingCategory other("qt.webengine.other");
    qCInfo(other) << "information of another category";

    qInstallMessageHandler(before);
    QLoggingCategory::setFilterRules({});
    EXPECT_EQ(printed, (QStringList{"a real warning", "QAccessibleTable::child: Invalid index at: 0 1",
                                    "a warning of the web engine", "information of another category"}));
}
