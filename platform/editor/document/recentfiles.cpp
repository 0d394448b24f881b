#include "document/recentfiles.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString lastFolderKey = QStringLiteral("files/lastFolder");
const QString recentFilesKey = QStringLiteral("files/recent");

} // namespace

QStringList RecentFiles::files()
{
    return QSettings().value(recentFilesKey).toStringList();
}

void RecentFiles::add(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(recentFilesKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    settings.setValue(recentFilesKey, recent.mid(0, count));
    settings.setValue(lastFolderKey, QFileInfo(path).absolutePath());
}

void RecentFiles::remove(const QString &path)
{
    QSettings settings;
    QStringList recent = settings.value(recentFilesKey).toStringList();
    recent.removeAll(path);
    settings.setValue(recentFilesKey, recent);
}

void RecentFiles::clear()
{
    QSettings().remove(recentFilesKey);
}

QString RecentFiles::lastFolder()
{
    return QSettings().value(lastFolderKey).toString();
}
