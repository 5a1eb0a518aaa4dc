#include "platform/QuietReports.h"

#include <QLoggingCategory>

#include <cstring>

namespace {

QtMessageHandler previousHandler = nullptr;

void dropQuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (QuietReports::isQuiet(type, context.category, text))
        return;
    if (previousHandler != nullptr)
        previousHandler(type, context, text);
}

} // namespace

void QuietReports::install()
{
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    previousHandler = qInstallMessageHandler(dropQuietMessages);
}

// Qt's accessible table writes this without a category of its own when a screen reader asks for a cell of
// an empty folder; no rule can quieten it without quietening every uncategorised warning.
bool QuietReports::isQuiet(QtMsgType type, const char* category, const QString& text)
{
    return type == QtWarningMsg && category != nullptr && std::strcmp(category, "default") == 0 &&
           text.startsWith(QLatin1String("QAccessibleTable::child: Invalid index at: "));
}
