#include "voiceexport.h"

#include "librarycontent.h"
#include "voicelibrary.h"

#include <voicefile.h>

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>

namespace VoiceExport {

QString fileName(const QString &name, QSet<QString> *taken)
{
    QString base;
    for (const QChar c : name.simplified()) {
        const bool unsafe = c.unicode() < 32 || QStringLiteral("/\\:*?\"<>|").contains(c)
            || c.category() == QChar::Other_Control;
        base += unsafe ? QLatin1Char('_') : c;
    }
    base = base.left(60);
    while (base.endsWith(QLatin1Char('.')) || base.endsWith(QLatin1Char(' ')))
        base.chop(1);
    while (base.startsWith(QLatin1Char('.')) || base.startsWith(QLatin1Char(' ')))
        base.remove(0, 1);
    if (base.isEmpty())
        base = QStringLiteral("Voice");
    static const QRegularExpression reserved(
        QStringLiteral("^(con|prn|aux|nul|com[1-9]|lpt[1-9])$"),
        QRegularExpression::CaseInsensitiveOption);
    if (reserved.match(base).hasMatch())
        base += QLatin1Char('_');
    QString candidate = base + QLatin1String(".json");
    for (int n = 2; taken->contains(candidate.toLower()); ++n)
        candidate = QStringLiteral("%1 (%2).json").arg(base).arg(n);
    taken->insert(candidate.toLower());
    return candidate;
}

int write(const VoiceLibrary &library, const std::vector<qint64> &ids, const QString &folder,
          QStringList *errors)
{
    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("."))) {
        *errors
            << QCoreApplication::translate("VoiceExport", "Cannot make the folder %1").arg(folder);
        return 0;
    }
    QSet<QString> taken;
    for (const QString &existing : dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System))
        taken.insert(existing.toLower());
    int written = 0;
    for (qint64 id : ids) {
        LibraryEntry entry;
        QString error;
        if (!library.entry(id, &entry, &error)) {
            *errors << error;
            continue;
        }
        const QString path = dir.filePath(fileName(entry.voice.name, &taken));
        if (!VoiceFile::save(path, library.content().schema(), entry.voice, &error)) {
            *errors << error;
            continue;
        }
        ++written;
    }
    return written;
}

} // namespace VoiceExport
