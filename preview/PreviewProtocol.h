#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QRect>
#include <QString>
#include <QUrl>

#include <optional>

// The lines that the wizard and the preview program exchange over the program's standard input and
// output, one message a line. Addresses and notes travel percent-encoded, so no message holds a space or
// a line break of its own.
//   wizard to program:  "open LEFT TOP WIDTH HEIGHT URL"   "reload"   "update URL"   "note TEXT"   "note"
//   program to wizard:  "closed LEFT TOP WIDTH HEIGHT"     "link URL"
// "update" shows a new box in the open window in place of the old one; "note" without a text takes the
// note away.
// The wizard ends the program by closing its standard input.
class PreviewProtocol
{
public:
    enum class Kind
    {
        Open,
        Reload,
        Update,
        Note,
        Closed,
        Link
    };

    struct Message
    {
        Kind kind;
        QRect outer;
        QUrl url;
        QString note;

        bool operator==(const Message&) const = default;
    };

    static QByteArray open(const QRect& outer, const QUrl& page);
    static QByteArray reload();
    static QByteArray update(const QUrl& page);
    // An empty note takes the note away.
    static QByteArray note(const QString& text);
    static QByteArray closed(const QRect& outer);
    static QByteArray link(const QUrl& url);

    // The message on one line, without its line break; nothing for a line that is not a message.
    static std::optional<Message> parse(QByteArrayView line);
};
