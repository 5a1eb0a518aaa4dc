#pragma once

#include "preview/PreviewBrowser.h"
#include "preview/PreviewWnd.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QVariant>
#include <QWebEnginePage>

#include <gtest/gtest.h>

// Starting the web engine's processes can take tens of seconds on a loaded two-core machine; a healthy
// run answers in well under one.
constexpr int engineDeadline = 60000;

// What a script gives in the page that the preview window shows.
inline QVariant evaluate(PreviewWnd* window, const QString& script)
{
    QVariant result;
    bool done = false;
    window->browser()->page()->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        done = true;
    });
    if (!QTest::qWaitFor([&] { return done; }, engineDeadline))
        ADD_FAILURE() << "the page did not answer " << script.toStdString();
    return result;
}

// Waits until `holds`, which asks the page, gives true. A page asked many times a second spends its time
// answering instead of loading and running its box, which made such waits take seconds, so it is asked
// every tenth of a second.
template <typename Condition> bool waitForPage(Condition holds, int deadline = engineDeadline)
{
    QElapsedTimer clock;
    clock.start();
    while (!holds()) {
        if (clock.elapsed() > deadline)
            return false;
        QTest::qWait(100);
    }
    return true;
}

// Closes the window as its close box does and lets it delete itself.
inline void closeWindow(QWidget* window)
{
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
