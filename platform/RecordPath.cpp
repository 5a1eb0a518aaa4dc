#include "platform/RecordPath.h"

#include <QFile>

QString RecordPath::toPath(const std::string& bytes)
{
    return QFile::decodeName(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string RecordPath::toBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}
