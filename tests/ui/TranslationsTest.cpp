#include "ui/Translations.h"

#include <QApplication>
#include <QTranslator>

#include <gtest/gtest.h>
#include <map>

namespace {

Translations::Environment environmentOf(std::map<std::string, std::string> variables)
{
    return [variables = std::move(variables)](const char* name) {
        const auto found = variables.find(name);
        return found == variables.end() ? QByteArray() : QByteArray::fromStdString(found->second);
    };
}

TEST(Translations, TheLanguageFollowsTheLocaleAsGettextReadsIt)
{
    const struct
    {
        const char* what;
        std::map<std::string, std::string> environment;
        QStringList wanted;
    } cases[] = {
        {"nothing set", {}, {"en"}},
        {"LANG alone", {{"LANG", "de_DE.UTF-8"}}, {"de"}},
        {"LC_MESSAGES before LANG", {{"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, {"fr"}},
        {"LC_ALL before LC_MESSAGES",
         {{"LC_ALL", "es_ES@euro"}, {"LC_MESSAGES", "fr_FR.UTF-8"}, {"LANG", "de_DE"}},
         {"es"}},
        {"an empty LC_ALL counts as unset", {{"LC_ALL", ""}, {"LANG", "es_MX.UTF-8"}}, {"es"}},
        {"LANGUAGE lists languages before the locale's",
         {{"LANGUAGE", "pt_BR:fr::de"}, {"LANG", "es_ES.UTF-8"}},
         {"pt", "fr", "de", "es"}},
        {"the C locale turns LANGUAGE off", {{"LANGUAGE", "de"}, {"LANG", "C"}}, {"en"}},
        {"POSIX turns it off too", {{"LANGUAGE", "de"}, {"LC_ALL", "POSIX"}}, {"en"}},
        {"C.UTF-8 leaves LANGUAGE on", {{"LANGUAGE", "fr"}, {"LANG", "C.UTF-8"}}, {"fr"}},
        {"C.UTF-8 alone names no language", {{"LANG", "C.UTF-8"}}, {}},
        {"a language named twice is asked for once", {{"LANGUAGE", "de_AT:de"}, {"LANG", "de_DE"}}, {"de"}},
    };
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.what);
        EXPECT_EQ(Translations::wantedLanguages(environmentOf(testCase.environment)), testCase.wanted);
    }
}

// The catalogues are those the build made from translations/*.ts.
class InstalledLanguage : public testing::Test
{
protected:
    ~InstalledLanguage() override
    {
        qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
    }

    static QString install(const QStringList& wanted)
    {
        return Translations::install(*qApp, wanted, QStringLiteral(MARQUETTO_TRANSLATIONS_BUILD_DIR));
    }
};

TEST_F(InstalledLanguage, TheFirstLanguageWithACatalogueIsSpoken)
{
    EXPECT_EQ(install({"pt", "fr", "de"}), "fr");
    EXPECT_EQ(QCoreApplication::translate("CQuorvoDlg", "Save Project"), "Enregistrer le projet");
}

TEST_F(InstalledLanguage, EnglishIsSpokenWhenItComesFirstOrNoLanguageHasACatalogue)
{
    for (const QStringList& wanted : {QStringList{"en", "de"}, QStringList{"pt", "it"}, QStringList{}}) {
        SCOPED_TRACE(wanted.join(':').toStdString());
        EXPECT_EQ(install(wanted), "en");
        EXPECT_EQ(QCoreApplication::translate("CQuorvoDlg", "Save Project"), "Save Project");
    }
}

TEST_F(InstalledLanguage, QtsOwnButtonsSpeakTheLanguageToo)
{
    ASSERT_EQ(install({"es"}), "es");
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Discard"), "Descartar");
}

TEST(TranslationsFolder, AnInstalledProgramFindsTheCataloguesUnderItsPrefix)
{
    EXPECT_EQ(Translations::folderOf("/usr/bin", "bin"), "/usr/share/marquetto/translations");
    EXPECT_EQ(
        Translations::folderOf("/opt/m/lib/x86_64-linux-gnu/marquetto", "lib/x86_64-linux-gnu/marquetto"),
        "/opt/m/share/marquetto/translations");
}

} // namespace
