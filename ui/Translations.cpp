#include "ui/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>

namespace {

const QString cataloguePrefix = QStringLiteral("marquetto_");

// As gettext has it: only the plain "C" locale turns LANGUAGE off; "C.UTF-8" leaves it on.
bool isPlainLocale(const QString& locale)
{
    return locale == QLatin1String("C") || locale == QLatin1String("POSIX");
}

QString catalogueFile(const QString& folder, const QString& language)
{
    return folder + QLatin1Char('/') + cataloguePrefix + language + QStringLiteral(".qm");
}

// Qt's catalogue is a help, not a need: without it the standard buttons stay English.
void installQtCatalogue(QCoreApplication& application, const QString& language)
{
    auto* translator = new QTranslator(&application);
    if (translator->load(QStringLiteral("qtbase_") + language,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

QStringList Translations::wantedLanguages(const Environment& environment)
{
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = QString::fromLocal8Bit(environment(name));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || isPlainLocale(locale))
        return {QString::fromLatin1(englishLanguage)};
    QStringList wanted;
    for (const QString& entry : QString::fromLocal8Bit(environment("LANGUAGE")).split(QLatin1Char(':')))
        if (const QString language = languageOf(entry); !language.isEmpty() && !wanted.contains(language))
            wanted << language;
    if (const QString language = languageOf(locale); !language.isEmpty() && !wanted.contains(language))
        wanted << language;
    return wanted;
}

QString Translations::languageOf(const QString& locale)
{
    const QString language = locale.section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0);
    const bool letters =
        std::all_of(language.begin(), language.end(), [](QChar c) { return c >= u'a' && c <= u'z'; });
    // Language codes are two or three small letters; "C" and "POSIX" name none.
    return letters && language.size() >= 2 && language.size() <= 3 ? language : QString();
}

QString Translations::install(QCoreApplication& application, const QStringList& wanted, const QString& folder)
{
    for (const QString& language : wanted) {
        if (language == QLatin1String(englishLanguage))
            break;
        auto* translator = new QTranslator(&application);
        if (!translator->load(catalogueFile(folder, language))) {
            delete translator;
            continue;
        }
        QCoreApplication::installTranslator(translator);
        installQtCatalogue(application, language);
        return language;
    }
    return QString::fromLatin1(englishLanguage);
}

QString Translations::folderOf(const QString& programFolder, const QString& installedIn)
{
    const QString built = programFolder + QStringLiteral("/../translations");
    if (QFileInfo::exists(catalogueFile(built, QStringLiteral("de"))))
        return QDir::cleanPath(built);
    QString prefix = programFolder;
    for (qsizetype level = installedIn.split(QLatin1Char('/'), Qt::SkipEmptyParts).size(); level > 0; --level)
        prefix += QStringLiteral("/..");
    return QDir::cleanPath(prefix + QStringLiteral("/" MARQUETTO_TRANSLATIONS_DIR));
}
