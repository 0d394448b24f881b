#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// The translations the editor shows itself in: its own texts
// (zinta-editor_<lang>.qm), the add-on's form texts (zinta-dialogs_<lang>.qm)
// and Qt's standard dialogs (qtbase_<lang>.qm from Qt's own folder).
class EditorTranslations
{
public:
    // Where an installed or built editor keeps its translations:
    // ../share/zinta-editor/translations from the program's folder.
    static QString folder();

    // Installs on the running application every catalogue found for
    // `locale` (its UI languages in order of preference) and returns the
    // files loaded. Nothing is loaded for English, the texts' own language.
    static QStringList install(const QLocale &locale, const QString &folder);
};
