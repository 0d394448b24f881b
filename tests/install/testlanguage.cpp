// Linked into a suite to run it in another language: with
// VESTRA_TEST_LANGUAGE=de the application loads the German translations
// from VESTRA_TEST_TRANSLATIONS as it starts, before any test runs.
#include <editortranslations.h>

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>
#include <cstdlib>

namespace {

void installTestLanguage()
{
    const QString language = qEnvironmentVariable("VESTRA_TEST_LANGUAGE");
    if (language.isEmpty())
        return;
    const QStringList loaded = EditorTranslations::install(
        QLocale(language), qEnvironmentVariable("VESTRA_TEST_TRANSLATIONS"));
    if (loaded.isEmpty()) {
        std::fprintf(stderr, "no translations for %s\n", qPrintable(language));
        std::exit(1);
    }
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTestLanguage)
