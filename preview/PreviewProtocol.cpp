#include "preview/PreviewProtocol.h"

#include <QList>

namespace {

QByteArray rectangleWords(const QRect& outer)
{
    return QByteArray::number(outer.x()) + ' ' + QByteArray::number(outer.y()) + ' ' +
           QByteArray::number(outer.width()) + ' ' + QByteArray::number(outer.height());
}

// Four whole numbers from `words` at `first`; a window of no size is no window.
std::optional<QRect> rectangleFrom(const QList<QByteArray>& words, qsizetype first)
{
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = words[first + i].toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    if (numbers[2] <= 0 || numbers[3] <= 0)
        return std::nullopt;
    return QRect(numbers[0], numbers[1], numbers[2], numbers[3]);
}

std::optional<QUrl> urlFrom(const QByteArray& word)
{
    const QUrl url = QUrl::fromEncoded(word, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

} // namespace

QByteArray PreviewProtocol::open(const QRect& outer, const QUrl& page)
{
    return "open " + rectangleWords(outer) + ' ' + page.toEncoded(QUrl::FullyEncoded) + '\n';
}

QByteArray PreviewProtocol::reload()
{
    return "reload\n";
}

QByteArray PreviewProtocol::update(const QUrl& page)
{
    return "update " + page.toEncoded(QUrl::FullyEncoded) + '\n';
}

QByteArray PreviewProtocol::note(const QString& text)
{
    if (text.isEmpty())
        return "note\n";
    return "note " + text.toUtf8().toPercentEncoding() + '\n';
}

QByteArray PreviewProtocol::closed(const QRect& outer)
{
    return "closed " + rectangleWords(outer) + '\n';
}

QByteArray PreviewProtocol::link(const QUrl& url)
{
    return "link " + url.toEncoded(QUrl::FullyEncoded) + '\n';
}

std::optional<PreviewProtocol::Message> PreviewProtocol::parse(QByteArrayView line)
{
    const QList<QByteArray> words = line.toByteArray().split(' ');
    const QByteArray& verb = words.first();
    if (verb == "reload" && words.size() == 1)
        return Message{Kind::Reload, {}, {}, {}};
    if ((verb == "link" || verb == "update") && words.size() == 2) {
        if (const auto url = urlFrom(words[1]))
            return Message{verb == "link" ? Kind::Link : Kind::Update, {}, *url, {}};
        return std::nullopt;
    }
    if (verb == "note" && words.size() <= 2) {
        const QString text =
            words.size() == 2 ? QString::fromUtf8(QByteArray::fromPercentEncoding(words[1])) : QString();
        return Message{Kind::Note, {}, {}, text};
    }
    if (verb == "closed" && words.size() == 5) {
        if (const auto outer = rectangleFrom(words, 1))
            return Message{Kind::Closed, *outer, {}, {}};
        return std::nullopt;
    }
    if (verb == "open" && words.size() == 6) {
        const auto outer = rectangleFrom(words, 1);
        const auto url = urlFrom(words[5]);
        if (outer && url)
            return Message{Kind::Open, *outer, *url, {}};
    }
    return std::nullopt;
}
