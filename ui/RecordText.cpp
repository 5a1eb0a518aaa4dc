#include "ui/RecordText.h"

#include "project/ProjectEncoding.h"
#include "project/ProjectRecord.h"
#include "project/TextEncoding.h"

#include <QList>

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

} // namespace

QString RecordText::shown(const ProjectRecord& record, const std::string& bytes)
{
    if (ProjectEncoding::of(record) == ProjectEncoding::Utf8)
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return fromCodePoints(TextEncoding::decodeWindows1252(bytes));
}

void RecordText::store(ProjectRecord& record, std::string& field, const QString& text)
{
    if (shown(record, field) == text)
        return;
    field = bytesFor(record, text);
}

std::string RecordText::bytesFor(ProjectRecord& record, const QString& text)
{
    if (ProjectEncoding::of(record) == ProjectEncoding::Windows1252) {
        if (auto bytes = TextEncoding::encodeWindows1252(toCodePoints(text)))
            return *bytes;
        ProjectEncoding::convertToUtf8(record);
    }
    const QByteArray utf8 = text.toUtf8();
    return std::string(utf8.constData(), static_cast<std::size_t>(utf8.size()));
}
