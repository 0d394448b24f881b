#include "librarydatabase.h"

#include "librarycontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>

namespace LibraryDatabase {
namespace {

constexpr qint64 quickCheckLimit = 32 * 1024 * 1024;
// The pages each connection keeps in memory, in KiB: enough for the voices
// table of 100,000 voices, so that a search that finds thousands of them
// does not read their pages from the file again each time.
constexpr int cacheKiB = 64 * 1024;

QString tr(const char *text)
{
    return QCoreApplication::translate("LibraryDatabase", text);
}

bool exec(QSqlQuery &q, const QString &sql, QString *error)
{
    if (q.exec(sql))
        return true;
    *error = q.lastError().text();
    return false;
}

bool execAll(QSqlDatabase db, const QStringList &statements, QString *error)
{
    QSqlQuery q(db);
    for (const QString &sql : statements) {
        if (!exec(q, sql, error))
            return false;
    }
    return true;
}

// Version 1: voices, the values that differ from the defaults (the rows
// parameter conditions search, by parameter and value) and the word index
// over name, category, comment and tags, kept by triggers.
bool createVersion1(QSqlDatabase db, QString *error)
{
    return execAll(
        db,
        {
            QStringLiteral(
                "CREATE TABLE voices(id INTEGER PRIMARY KEY, type INTEGER NOT NULL,"
                " name TEXT NOT NULL, category TEXT NOT NULL, comment TEXT NOT NULL DEFAULT '',"
                " tags TEXT NOT NULL DEFAULT '', favourite INTEGER NOT NULL DEFAULT 0,"
                " added TEXT NOT NULL, source TEXT NOT NULL DEFAULT '', identity INTEGER NOT NULL,"
                " data BLOB NOT NULL)"),
            QStringLiteral("CREATE UNIQUE INDEX voices_identity ON voices(identity)"),
            QStringLiteral("CREATE INDEX voices_name ON voices(name COLLATE NOCASE)"),
            QStringLiteral("CREATE INDEX voices_category ON voices(category)"),
            QStringLiteral(
                "CREATE TABLE voice_values(key INTEGER NOT NULL, value INTEGER NOT NULL,"
                " voice INTEGER NOT NULL, PRIMARY KEY(key, value, voice)) WITHOUT ROWID"),
            QStringLiteral(
                "CREATE VIRTUAL TABLE voice_text USING fts5(name, category, comment, tags,"
                " content='voices', content_rowid='id', tokenize='unicode61 remove_diacritics 2')"),
            QStringLiteral("CREATE TRIGGER voices_text_insert AFTER INSERT ON voices BEGIN"
                           " INSERT INTO voice_text(rowid, name, category, comment, tags)"
                           " VALUES (new.id, new.name, new.category, new.comment, new.tags); END"),
            QStringLiteral(
                "CREATE TRIGGER voices_text_delete AFTER DELETE ON voices BEGIN"
                " INSERT INTO voice_text(voice_text, rowid, name, category, comment, tags)"
                " VALUES ('delete', old.id, old.name, old.category, old.comment, old.tags); END"),
            QStringLiteral(
                "CREATE TRIGGER voices_text_update AFTER UPDATE OF name, category, comment, tags "
                "ON voices BEGIN"
                " INSERT INTO voice_text(voice_text, rowid, name, category, comment, tags)"
                " VALUES ('delete', old.id, old.name, old.category, old.comment, old.tags);"
                " INSERT INTO voice_text(rowid, name, category, comment, tags)"
                " VALUES (new.id, new.name, new.category, new.comment, new.tags); END"),
        },
        error);
}

// Version 2: voices can be hidden, and each voice's sound is described by
// its features (filled here for the voices already there).
bool upgradeToVersion2(QSqlDatabase db, QString *error)
{
    if (!execAll(
            db,
            {
                QStringLiteral("ALTER TABLE voices ADD COLUMN hidden INTEGER NOT NULL DEFAULT 0"),
                QStringLiteral(
                    "CREATE TABLE voice_features(voice INTEGER PRIMARY KEY, type INTEGER NOT NULL,"
                    " features BLOB NOT NULL)"),
                QStringLiteral("CREATE INDEX voice_features_type ON voice_features(type)"),
                QStringLiteral("CREATE TRIGGER voices_features_delete AFTER DELETE ON voices BEGIN"
                               " DELETE FROM voice_features WHERE voice = old.id; END"),
            },
            error))
        return false;
    const LibraryContent &content = LibraryContent::embedded();
    QSqlQuery read(db);
    QSqlQuery write(db);
    write.prepare(
        QStringLiteral("INSERT INTO voice_features(voice, type, features) VALUES (?, ?, ?)"));
    if (!exec(read, QStringLiteral("SELECT id, data FROM voices"), error))
        return false;
    while (read.next()) {
        Voice voice;
        if (!content.codec().decode(read.value(1).toByteArray(), &voice)) {
            *error = tr("voice %1 is damaged").arg(read.value(0).toLongLong());
            return false;
        }
        write.addBindValue(read.value(0));
        write.addBindValue(int(voice.type));
        write.addBindValue(content.features().of(voice));
        if (!write.exec()) {
            *error = write.lastError().text();
            return false;
        }
    }
    return true;
}

// Version 3: an index of the voices by type. A parameter condition checks
// the type of each voice it finds there, and lists the voices of a type
// from it where a default meets the condition, without reading the voices.
bool upgradeToVersion3(QSqlDatabase db, QString *error)
{
    return execAll(db, { QStringLiteral("CREATE INDEX voices_type ON voices(type)") }, error);
}

// Version 4: the hidden voices and the favourites, each in an index of
// their own, so that listing them reads only them.
bool upgradeToVersion4(QSqlDatabase db, QString *error)
{
    return execAll(
        db,
        { QStringLiteral("CREATE INDEX voices_hidden ON voices(hidden) WHERE hidden = 1"),
          QStringLiteral(
              "CREATE INDEX voices_favourites ON voices(favourite) WHERE favourite = 1") },
        error);
}

bool upgrade(QSqlDatabase db, int from, int to, QString *error)
{
    QSqlQuery q(db);
    // One transaction: an upgrade that fails or is interrupted leaves the
    // library as it was.
    if (!exec(q, QStringLiteral("BEGIN IMMEDIATE"), error))
        return false;
    bool ok = true;
    if (from < 1 && to >= 1)
        ok = createVersion1(db, error);
    if (ok && from < 2 && to >= 2)
        ok = upgradeToVersion2(db, error);
    if (ok && from < 3 && to >= 3)
        ok = upgradeToVersion3(db, error);
    if (ok && from < 4 && to >= 4)
        ok = upgradeToVersion4(db, error);
    ok = ok && exec(q, QStringLiteral("PRAGMA application_id = %1").arg(applicationId), error)
        && exec(q, QStringLiteral("PRAGMA user_version = %1").arg(to), error)
        && exec(q, QStringLiteral("COMMIT"), error);
    if (!ok)
        q.exec(QStringLiteral("ROLLBACK"));
    return ok;
}

} // namespace

QString defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("library.sqlite"));
}

int version(QSqlDatabase db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("PRAGMA user_version")) && q.next() ? q.value(0).toInt() : -1;
}

namespace {

// Opens and checks the library; false with *error saying why. The caller
// removes the connection on failure, once no query uses it.
bool openChecked(const QString &path, const QString &connection, QString *error, int wanted)
{
    auto fail = [&](const QString &why) {
        *error = tr("Cannot open the voice library %1: %2").arg(path, why);
        return false;
    };
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile())
            return fail(tr("it is not a file"));
        // Look at the header before SQLite does anything with the file.
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return fail(file.errorString());
        const QByteArray head = file.read(16);
        if (!head.isEmpty() && head != QByteArray("SQLite format 3", 16))
            return fail(tr("it is not a voice library"));
    } else if (!QDir().mkpath(info.absolutePath())) {
        return fail(tr("cannot make the folder %1").arg(info.absolutePath()));
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeout));
    if (!db.open())
        return fail(db.lastError().text());
    QSqlQuery q(db);
    // Reading the header and the table list finds a damaged file.
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        return fail(tr("it is damaged or not a database (%1)").arg(q.lastError().text()));
    const int id = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return fail(tr("it is damaged or not a database (%1)").arg(q.lastError().text()));
    const bool empty = q.value(0).toInt() == 0;
    if (!(id == applicationId || (id == 0 && empty)))
        return fail(tr("it is a database, but not a voice library"));
    const int have = version(db);
    if (have > currentVersion)
        return fail(tr("it was made by a newer editor (layout %1; this editor reads up to %2)")
                        .arg(have)
                        .arg(currentVersion));
    // A full check reads the whole file: done for libraries of up to a few
    // thousand voices; in larger ones SQLite finds damage where it reads.
    if (id == applicationId && !empty && info.size() < quickCheckLimit) {
        if (!q.exec(QStringLiteral("PRAGMA quick_check(1)")) || !q.next()
            || q.value(0).toString() != QLatin1String("ok"))
            return fail(
                tr("it is damaged (%1)")
                    .arg(q.lastError().isValid() ? q.lastError().text() : q.value(0).toString()));
    }
    QString why;
    if (!exec(q, QStringLiteral("PRAGMA journal_mode = WAL"), &why)
        || !exec(q, QStringLiteral("PRAGMA synchronous = NORMAL"), &why)
        || !exec(q, QStringLiteral("PRAGMA cache_size = %1").arg(-cacheKiB), &why))
        return fail(why);
    if (have < wanted && !upgrade(db, have, wanted, &why))
        return fail(tr("cannot bring it up to date: %1").arg(why));
    return true;
}

} // namespace

bool open(const QString &path, const QString &connection, QString *error, int wanted)
{
    if (openChecked(path, connection, error, wanted))
        return true;
    close(connection);
    return false;
}

void close(const QString &connection)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connection);
}

} // namespace LibraryDatabase
