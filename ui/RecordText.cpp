#include "ui/RecordText.h"

#include "project/ProjectEncoding.h"
#include "project/ProjectRecord.h"
#include "project/TextEncoding.h"

#include <QList>

#include <algorithm>

namespace {

QString fromCodePoints(const std::u32string& text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::u32string toCodePoints(const QString& text)
{
    const QList<uint> points = text.toUcs4();
    return std::u32string(points.begin(), points.end());
}

// ASCII reads the same in both encodings, so it needs no look at the rest of the design, which can be
// long.
bool isAscii(const std::string& bytes)
{
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

bool isAscii(const QString& text)
{
    return std::all_of(text.begin(), text.end(), [](QChar character) { return character.unicode() < 0x80; });
}

std::string asciiBytes(const QString& text)
{
    const QByteArray ascii = text.toLatin1();
    return std::string(ascii.constData(), static_cast<std::size_t>(ascii.size()));
}

// The bytes of a text in a design settled in `settled`; a character that windows-1252 has no byte for
// turns the whole design, and `settled`, into UTF-8.
std::string encodedFor(ProjectRecord& record, const QString& text, ProjectEncoding::Kind& settled)
{
    if (isAscii(text))
        return asciiBytes(text);
    if (settled == ProjectEncoding::Windows1252) {
        if (auto bytes = TextEncoding::encodeWindows1252(toCodePoints(text)))
            return *bytes;
        ProjectEncoding::convertToUtf8(record, settled);
        settled = ProjectEncoding::Utf8;
    }
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}

} // namespace

QString RecordText::shown(const ProjectRecord& record, const std::string& bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return shown(ProjectEncoding::of(record), bytes);
}

QString RecordText::shown(ProjectEncoding::Kind encoding, const std::string& bytes)
{
    if (encoding == ProjectEncoding::Utf8)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return fromCodePoints(TextEncoding::decodeWindows1252(bytes));
}

void RecordText::store(ProjectRecord& record, std::string& field, const QString& text)
{
    if (shown(record, field) == text)
        return;
    // Only a text that is not UTF-8 tells a windows-1252 design, so only its replacement can take the last
    // one away.
    if (TextEncoding::isUtf8(field)) {
        field = bytesFor(record, text);
        return;
    }
    ProjectEncoding::Kind settled = ProjectEncoding::Windows1252;
    field = encodedFor(record, text, settled);
    ProjectEncoding::keepSettled(record, settled);
}

std::string RecordText::bytesFor(ProjectRecord& record, const QString& text)
{
    if (isAscii(text))
        return asciiBytes(text);
    ProjectEncoding::Kind settled = ProjectEncoding::of(record);
    return encodedFor(record, text, settled);
}
