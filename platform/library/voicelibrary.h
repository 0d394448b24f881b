#pragma once

#include "voicelisting.h"

#include <voice.h>

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <QSqlQuery>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class LibraryContent;

// One voice of the library with what the library knows about it.
struct LibraryEntry
{
    qint64 id = 0;
    Voice voice;
    QDateTime added;
    QString source; // the file it was imported from, or "" for one stored from the editor
    bool favourite = false;
    bool hidden = false;
};

// The voices of an open library (LibraryDatabase::open): adding, reading,
// changing and removing them, finding them by query and by sound. Each
// operation that writes is one transaction unless the caller has begun one
// (begin(), commit()), as an import does for many voices at once.
class VoiceLibrary
{
public:
    VoiceLibrary(QSqlDatabase db, const LibraryContent &content);

    QSqlDatabase database() const { return m_db; }
    const LibraryContent &content() const { return m_content; }

    bool begin(QString *error);
    bool commit(QString *error);
    void rollback();

    enum class Added { New, Same, Failed };
    // Adds a voice. Same (and *id the voice already there) when the library
    // holds one of the same type and values.
    Added add(const Voice &voice, const QString &source, qint64 *id, QString *error);
    // Replaces the type, values, name, category, comment and tags of voice `id`.
    bool replace(qint64 id, const Voice &voice, QString *error);
    bool entry(qint64 id, LibraryEntry *entry, QString *error) const;

    enum class Field { Name, Category, Tags, Favourite, Hidden, Comment };
    bool set(qint64 id, Field field, const QVariant &value, QString *error);

    // Removes voice `id`; *removed (if not null) keeps all of it for restore().
    bool remove(qint64 id, LibraryEntry *removed, QString *error);
    // Puts back a removed voice under its id, with its date and marks.
    bool restore(const LibraryEntry &entry, QString *error);

    int count() const;
    // Which voices to find, and in which order.
    struct Selection
    {
        QString query;    // LibraryQuery
        QString category; // "" for all
        bool favouritesOnly = false;
        bool withHidden = false;
        std::optional<VoiceType> type; // voices of this type alone
        VoiceListing::Order order = VoiceListing::Order::Name;
        bool descending = false;
    };
    // The ids of the voices `selection` finds, in its order; *errors says
    // what is wrong with the query.
    std::vector<qint64> find(const Selection &selection, QStringList *errors) const;
    // The ids of the voices a query finds, by name, hidden ones too when
    // `withHidden`.
    std::vector<qint64> find(const QString &query, bool withHidden, QStringList *errors) const;

    struct Similar
    {
        qint64 id = 0;
        double distance = 0;
        int differing = 0; // values that differ from the chosen voice's
    };
    // The `count` voices of the same type nearest to voice `id` by sound,
    // nearest first.
    std::vector<Similar> similar(qint64 id, int count, QString *error) const;

private:
    bool writeValues(qint64 id, const Voice &voice, QString *error);
    bool dropValues(qint64 id, const Voice &voice, QString *error);
    // Runs `q` (key, value, voice) once for each value of `voice` that
    // differs from its defaults.
    bool runForValues(QSqlQuery &q, qint64 id, const Voice &voice, QString *error);
    bool writeEntry(const LibraryEntry &entry, bool withId, qint64 *id, QString *error);
    bool inTransaction(const std::function<bool(QString *)> &work, QString *error);

    QSqlDatabase m_db;
    const LibraryContent &m_content;
    int m_depth = 0;
    // What the library keeps in memory, read once and again only after this
    // connection or another one changed voices: the listing of all voices,
    // and the features of every voice of each type.
    bool dropOutdated(QString *error) const;
    bool loadListing(QString *error) const;
    // Brings a change of one voice's field into the listing; false when it
    // must be read again.
    bool follow(qint64 id, Field field, const QVariant &stored);
    mutable qint64 m_dataVersion = -1;
    mutable int m_listedAt = -1;   // m_writes when the listing was read
    mutable int m_featuresAt = -1; // m_valueWrites when the features were read
    mutable VoiceListing m_listing;
    struct FeatureCache
    {
        std::vector<qint64> ids[3];
        QByteArray features[3]; // one after the other, in the order of ids
    };
    bool loadFeatures(VoiceType type, QString *error) const;
    mutable FeatureCache m_cache;
    // Statements an import runs for every voice, prepared once.
    QSqlQuery *statement(int which, const char *sql) const;
    mutable std::unique_ptr<QSqlQuery> m_statements[4];
    // Count this connection's changes (and undone transactions): all of
    // them, and those that change voices' values.
    int m_writes = 0;
    int m_valueWrites = 0;
};
