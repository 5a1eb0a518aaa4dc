#pragma once

#include <QString>

#include <string>

// The record holds file paths as the bytes the file system uses; Qt holds them as text. Every crossing
// between the two goes through here, so that a name that is not valid in the locale survives the trip.
class RecordPath
{
public:
    static QString toPath(const std::string& bytes);
    static std::string toBytes(const QString& path);
};
