#include "libraryimporter.h"

#include "librarycontent.h"
#include "librarydatabase.h"
#include "voicelibrary.h"

#include <voicefile.h>

#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QtConcurrent>

#include <functional>

#include <algorithm>

namespace {

// A voice file as the library takes it: a voice without a category is
// filed under none yet.
bool readVoice(const QString &path, const LibraryContent &content, Voice *voice, QString *error)
{
    if (!VoiceFile::read(path, content.schema(), voice, error))
        return false;
    if (voice->category.isEmpty())
        voice->category = Voice::noCategory();
    return true;
}

} // namespace

LibraryImporter::LibraryImporter(const QString &library, const QStringList &paths,
                                 const LibraryContent &content, QObject *parent)
    : QObject(parent)
    , m_library(library)
    , m_paths(paths)
    , m_content(content)
{
}

QStringList LibraryImporter::files(const QStringList &paths)
{
    QStringList found;
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            found << path;
            continue;
        }
        QStringList inFolder;
        QDirIterator it(path, { QStringLiteral("*.json") }, QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories | QDirIterator::FollowSymlinks);
        while (it.hasNext())
            inFolder << it.next();
        std::sort(inFolder.begin(), inFolder.end());
        found << inFolder;
    }
    return found;
}

LibraryImporter::Result LibraryImporter::run()
{
    Result result;
    const QString connection = QStringLiteral("library-import-%1").arg(quintptr(this));
    if (!LibraryDatabase::open(m_library, connection, &result.error))
        return result;
    {
        VoiceLibrary library(QSqlDatabase::database(connection, false), m_content);
        const QStringList paths = files(m_paths);
        const int total = int(paths.size());
        int inBatch = 0;
        int sameInBatch = 0;
        QElapsedTimer sinceReport;
        sinceReport.start();
        emit progress(0, total, 0);
        bool open = false;
        // Files are read and checked in the thread pool, a chunk ahead of
        // the voices going into the library here.
        struct Read
        {
            Voice voice;
            QString error;
            bool ok = false;
        };
        const LibraryContent &content = m_content;
        auto read = [&content](const QString &path) {
            Read r;
            r.ok = readVoice(path, content, &r.voice, &r.error);
            return r;
        };
        constexpr int chunk = 64;
        auto readChunk = [&](int from) {
            return QtConcurrent::mapped(paths.mid(from, chunk),
                                        std::function<Read(const QString &)>(read));
        };
        QFuture<Read> next = total > 0 ? readChunk(0) : QFuture<Read>();
        for (int from = 0; from < total && result.error.isEmpty() && !result.cancelled;
             from += chunk) {
            const QList<Read> reads = next.results();
            next = from + chunk < total ? readChunk(from + chunk) : QFuture<Read>();
            for (int k = 0; k < reads.size(); ++k) {
                const int i = from + k;
                if (m_cancel) {
                    result.cancelled = true;
                    break;
                }
                const Read &r = reads.at(k);
                if (!r.ok) {
                    result.refused.push_back({ paths.at(i), r.error });
                    continue;
                }
                if (!open && !(open = library.begin(&result.error)))
                    break;
                qint64 id = 0;
                QString why;
                const VoiceLibrary::Added added =
                    library.add(r.voice, QFileInfo(paths.at(i)).absoluteFilePath(), &id, &why);
                if (added == VoiceLibrary::Added::Failed) {
                    result.error = why;
                    break;
                }
                if (added == VoiceLibrary::Added::New)
                    ++inBatch;
                else
                    ++sameInBatch;
                if (inBatch + sameInBatch >= batchSize) {
                    open = false;
                    if (!library.commit(&result.error))
                        break;
                    result.imported += inBatch;
                    result.same += sameInBatch;
                    inBatch = sameInBatch = 0;
                    emit progress(i + 1, total, result.imported);
                    sinceReport.restart();
                }
                if (sinceReport.elapsed() >= 100 || i + 1 == total) {
                    emit progress(i + 1, total, result.imported);
                    sinceReport.restart();
                }
            }
        }
        next.waitForFinished();
        if (open) {
            // A failure undoes the batch it happened in; otherwise it is kept.
            if (!result.error.isEmpty()) {
                library.rollback();
            } else if (library.commit(&result.error)) {
                result.imported += inBatch;
                result.same += sameInBatch;
            }
        }
        emit progress(total, total, result.imported);
    }
    LibraryDatabase::close(connection);
    return result;
}
