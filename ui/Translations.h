#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QCoreApplication;

// The wizard's language: the first that the desktop's locale asks for and that has a catalogue, English
// when none has. The wizard and the preview program load the same catalogues.
class Translations
{
public:
    using Environment = std::function<QByteArray(const char*)>;

    // The languages asked for, most wanted first, as gettext reads them: the list in LANGUAGE, then the
    // locale of LC_ALL, LC_MESSAGES or LANG (the first that is set). The "C" or "POSIX" locale, or none,
    // asks for English and makes LANGUAGE count for nothing.
    static QStringList wantedLanguages(const Environment& environment);
    // "de" of "de_AT.UTF-8@euro"; empty for what names no language.
    static QString languageOf(const QString& locale);
    // Installs the catalogue of the first wanted language found in `folder`, with Qt's own for the
    // standard buttons and dialogs, and returns that language; "en" when English is used.
    static QString install(QCoreApplication& application, const QStringList& wanted, const QString& folder);
    // The catalogues of the build folder, or where the package installs them, seen from the folder of a
    // program installed in `installedIn` (relative to the prefix, as "bin").
    static QString folderOf(const QString& programFolder, const QString& installedIn);

    static constexpr const char* englishLanguage = "en";
};
