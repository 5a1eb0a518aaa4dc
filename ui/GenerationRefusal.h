#pragma once

#include "project/Error.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <string>

// Why a design could not be generated, said whole in the wizard's language: the generator's refusals carry
// their rule and values, and the sentence is made from those, with the wizard's own captions.
class GenerationRefusal
{
    Q_DECLARE_TR_FUNCTIONS(GenerationRefusal)

public:
    // `folder` is left out of the file names, where it means nothing to the user (the preview's own).
    static QString text(const Error& error, const std::string& folder = {});

private:
    static QString fileText(const Error& error, const QString& file, const QStringList& values);
    static QString caption(const QString& englishCaption);
    static QString fileName(const std::string& path, const std::string& folder);
};
