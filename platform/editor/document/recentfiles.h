#pragma once

#include <QString>
#include <QStringList>

// The voice files opened or saved last, newest first, and the folder of the
// last one, as the editor keeps them between runs (QSettings).
class RecentFiles
{
public:
    static constexpr int count = 8;

    static QStringList files();
    // `path` becomes the newest; its folder the last folder used.
    static void add(const QString &path);
    // A file that could not be opened leaves the list.
    static void remove(const QString &path);
    static void clear();
    static QString lastFolder();
};
