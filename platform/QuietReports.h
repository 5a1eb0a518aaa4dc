#pragma once

#include <QString>
#include <QtGlobal>

// Keeps reports that Qt writes for its own developers off the user's terminal: the web engine's account
// of its set-up at the first preview, and the accessibility bridge's complaint about the empty views of
// the file dialogs. Every other message still prints, and QT_LOGGING_RULES brings the web engine's back.
class QuietReports
{
public:
    // Before the application object exists, so that the rules hold from the first message on.
    static void install();

    // Whether a message that the rules cannot reach is one to keep quiet.
    static bool isQuiet(QtMsgType type, const char* category, const QString& text);
};
