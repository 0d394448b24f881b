#include "editortranslations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

bool load(const QLocale &locale, const QString &catalogue, const QString &folder,
          QStringList *loaded)
{
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(locale, catalogue, QStringLiteral("_"), folder)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    loaded->append(translator->filePath());
    return true;
}

} // namespace

QString EditorTranslations::folder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath()
                           + QStringLiteral("/../share/zinta-editor/translations"));
}

QStringList EditorTranslations::install(const QLocale &locale, const QString &folder)
{
    QStringList loaded;
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return loaded;
    load(locale, QStringLiteral("zinta-editor"), folder, &loaded);
    load(locale, QStringLiteral("zinta-dialogs"), folder, &loaded);
    load(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath),
         &loaded);
    return loaded;
}
