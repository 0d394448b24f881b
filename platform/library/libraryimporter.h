#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <vector>

class LibraryContent;

// Imports voice files and folders of them (recursively, their *.json files)
// into a library, through a connection of its own, so that run() may be
// called in a worker thread. Voices go in in transactions of batchSize: a
// cancel, a failure or a crash keeps the batches done before. A voice the
// library holds already (same type and values) is counted, not stored again.
class LibraryImporter : public QObject
{
    Q_OBJECT

public:
    static constexpr int batchSize = 500;

    struct Refused
    {
        QString path;
        QString reason; // as File > Open gives it
    };
    struct Result
    {
        int imported = 0; // new voices, all committed
        int same = 0;     // voices the library held already
        std::vector<Refused> refused;
        bool cancelled = false;
        QString error; // why the import stopped early, if it did
    };

    LibraryImporter(const QString &library, const QStringList &paths, const LibraryContent &content,
                    QObject *parent = nullptr);

    // Does the import in the calling thread and returns what it did.
    Result run();
    // Asks run() to stop after the voice it is at; any thread.
    void cancel() { m_cancel = true; }

    // The voice files `paths` name: files as they are, folders' *.json
    // files, in order.
    static QStringList files(const QStringList &paths);

signals:
    // So far: files looked at of `total`, and how many voices are stored
    // for good (committed).
    void progress(int done, int total, int committed);

private:
    QString m_library;
    QStringList m_paths;
    const LibraryContent &m_content;
    std::atomic<bool> m_cancel{ false };
};

Q_DECLARE_METATYPE(LibraryImporter::Result)
