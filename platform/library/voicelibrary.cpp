#include "voicelibrary.h"

#include "librarycontent.h"
#include "libraryquery.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("VoiceLibrary", text);
}

bool run(QSqlQuery &q, QString *error)
{
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

QString tagText(const QStringList &tags)
{
    QStringList clean;
    for (const QString &tag : tags) {
        const QString t = tag.simplified();
        if (!t.isEmpty() && !clean.contains(t, Qt::CaseInsensitive))
            clean << t;
    }
    return clean.join(QLatin1String(", "));
}

QStringList tagList(const QString &text)
{
    QStringList tags;
    for (const QString &tag : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!tag.simplified().isEmpty())
            tags << tag.simplified();
    }
    return tags;
}

QString categoryOf(const QString &category)
{
    for (const QString &c : Voice::categories()) {
        if (c.compare(category.simplified(), Qt::CaseInsensitive) == 0)
            return c;
    }
    return Voice::noCategory();
}

} // namespace

VoiceLibrary::VoiceLibrary(QSqlDatabase db, const LibraryContent &content)
    : m_db(std::move(db))
    , m_content(content)
{
}

bool VoiceLibrary::begin(QString *error)
{
    QSqlQuery q(m_db);
    // IMMEDIATE: wait for another writer now, not halfway through.
    if (m_depth == 0 && !q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    ++m_depth;
    return true;
}

bool VoiceLibrary::commit(QString *error)
{
    if (m_depth == 0 || --m_depth > 0)
        return true;
    QSqlQuery q(m_db);
    if (q.exec(QStringLiteral("COMMIT")))
        return true;
    if (error)
        *error = q.lastError().text();
    q.exec(QStringLiteral("ROLLBACK"));
    return false;
}

void VoiceLibrary::rollback()
{
    if (m_depth == 0)
        return;
    m_depth = 0;
    ++m_writes;
    ++m_valueWrites;
    QSqlQuery q(m_db);
    q.exec(QStringLiteral("ROLLBACK"));
}

bool VoiceLibrary::inTransaction(const std::function<bool(QString *)> &work, QString *error)
{
    if (!begin(error))
        return false;
    if (!work(error)) {
        rollback();
        return false;
    }
    return commit(error);
}

QSqlQuery *VoiceLibrary::statement(int which, const char *sql) const
{
    std::unique_ptr<QSqlQuery> &q = m_statements[which];
    if (!q) {
        q = std::make_unique<QSqlQuery>(m_db);
        q->prepare(QLatin1String(sql));
    }
    return q.get();
}

bool VoiceLibrary::writeValues(qint64 id, const Voice &voice, QString *error)
{
    ++m_writes;
    ++m_valueWrites;
    QSqlQuery &q = *statement(0, "INSERT INTO voice_values(key, value, voice) VALUES (?, ?, ?)");
    if (!runForValues(q, id, voice, error))
        return false;
    QSqlQuery &f = *statement(
        1, "INSERT OR REPLACE INTO voice_features(voice, type, features) VALUES (?, ?, ?)");
    f.bindValue(0, id);
    f.bindValue(1, int(voice.type));
    f.bindValue(2, m_content.features().of(voice));
    return run(f, error);
}

bool VoiceLibrary::dropValues(qint64 id, const Voice &voice, QString *error)
{
    ++m_writes;
    ++m_valueWrites;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("DELETE FROM voice_values WHERE key = ? AND value = ? AND voice = ?"));
    return runForValues(q, id, voice, error);
}

bool VoiceLibrary::runForValues(QSqlQuery &q, qint64 id, const Voice &voice, QString *error)
{
    for (const auto &[ref, value] : m_content.codec().differences(voice)) {
        q.bindValue(0, VoiceCodec::key(ref));
        q.bindValue(1, value);
        q.bindValue(2, id);
        if (!run(q, error))
            return false;
    }
    return true;
}

bool VoiceLibrary::writeEntry(const LibraryEntry &entry, bool withId, qint64 *id, QString *error)
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "INSERT INTO voices(id, type, name, category, comment, tags, favourite, hidden,"
        " added, source, identity, data) VALUES (?, ?, coalesce(?, ''), coalesce(?, ''), "
        "coalesce(?, ''),"
        " coalesce(?, ''), ?, ?, ?, coalesce(?, ''), ?, ?)"));
    q.addBindValue(withId ? QVariant(entry.id) : QVariant());
    q.addBindValue(int(entry.voice.type));
    q.addBindValue(Voice::fittedName(entry.voice.name));
    q.addBindValue(categoryOf(entry.voice.category));
    q.addBindValue(entry.voice.comment);
    q.addBindValue(tagText(entry.voice.tags));
    q.addBindValue(entry.favourite ? 1 : 0);
    q.addBindValue(entry.hidden ? 1 : 0);
    q.addBindValue(entry.added.toUTC().toString(Qt::ISODate));
    q.addBindValue(entry.source);
    q.addBindValue(m_content.codec().identity(entry.voice));
    q.addBindValue(m_content.codec().encode(entry.voice));
    if (!run(q, error))
        return false;
    *id = q.lastInsertId().toLongLong();
    return writeValues(*id, entry.voice, error);
}

VoiceLibrary::Added VoiceLibrary::add(const Voice &voice, const QString &source, qint64 *id,
                                      QString *error)
{
    QSqlQuery &same = *statement(2, "SELECT id FROM voices WHERE identity = ?");
    same.bindValue(0, m_content.codec().identity(voice));
    if (!run(same, error))
        return Added::Failed;
    const bool there = same.next();
    if (there)
        *id = same.value(0).toLongLong();
    same.finish();
    if (there)
        return Added::Same;
    LibraryEntry entry;
    entry.voice = voice;
    entry.added = QDateTime::currentDateTimeUtc();
    entry.source = source;
    const bool ok =
        inTransaction([&](QString *why) { return writeEntry(entry, false, id, why); }, error);
    return ok ? Added::New : Added::Failed;
}

bool VoiceLibrary::replace(qint64 id, const Voice &voice, QString *error)
{
    LibraryEntry old;
    if (!entry(id, &old, error))
        return false;
    return inTransaction(
        [&](QString *why) {
            QSqlQuery same(m_db);
            same.prepare(QStringLiteral("SELECT name FROM voices WHERE identity = ? AND id != ?"));
            same.addBindValue(m_content.codec().identity(voice));
            same.addBindValue(id);
            if (!run(same, why))
                return false;
            if (same.next()) {
                *why = tr("the library holds this voice already, as \"%1\"")
                           .arg(same.value(0).toString());
                return false;
            }
            QSqlQuery q(m_db);
            q.prepare(QStringLiteral(
                "UPDATE voices SET type = ?, name = coalesce(?, ''), category = coalesce(?, ''),"
                " comment = coalesce(?, ''), tags = coalesce(?, ''), identity = ?, data = ? WHERE "
                "id = ?"));
            q.addBindValue(int(voice.type));
            q.addBindValue(Voice::fittedName(voice.name));
            q.addBindValue(categoryOf(voice.category));
            q.addBindValue(voice.comment);
            q.addBindValue(tagText(voice.tags));
            q.addBindValue(m_content.codec().identity(voice));
            q.addBindValue(m_content.codec().encode(voice));
            q.addBindValue(id);
            return run(q, why) && dropValues(id, old.voice, why) && writeValues(id, voice, why);
        },
        error);
}

bool VoiceLibrary::entry(qint64 id, LibraryEntry *entry, QString *error) const
{
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "SELECT name, category, comment, tags, favourite, hidden, added, source, data"
        " FROM voices WHERE id = ?"));
    q.addBindValue(id);
    if (!run(q, error))
        return false;
    if (!q.next()) {
        if (error)
            *error = tr("the library has no voice %1").arg(id);
        return false;
    }
    LibraryEntry e;
    e.id = id;
    if (!m_content.codec().decode(q.value(8).toByteArray(), &e.voice)) {
        if (error)
            *error = tr("voice %1 of the library is damaged").arg(id);
        return false;
    }
    e.voice.name = q.value(0).toString();
    e.voice.category = q.value(1).toString();
    e.voice.comment = q.value(2).toString();
    e.voice.tags = tagList(q.value(3).toString());
    e.favourite = q.value(4).toBool();
    e.hidden = q.value(5).toBool();
    e.added = QDateTime::fromString(q.value(6).toString(), Qt::ISODate);
    e.source = q.value(7).toString();
    *entry = std::move(e);
    return true;
}

bool VoiceLibrary::set(qint64 id, Field field, const QVariant &value, QString *error)
{
    QString column;
    QVariant stored;
    switch (field) {
    case Field::Name:
        column = QStringLiteral("name");
        stored = Voice::fittedName(value.toString());
        break;
    case Field::Category:
        column = QStringLiteral("category");
        stored = categoryOf(value.toString());
        break;
    case Field::Comment:
        column = QStringLiteral("comment");
        stored = value.toString();
        break;
    case Field::Tags:
        column = QStringLiteral("tags");
        stored = tagText(value.userType() == QMetaType::QStringList ? value.toStringList()
                                                                    : tagList(value.toString()));
        break;
    case Field::Favourite:
        column = QStringLiteral("favourite");
        stored = value.toBool() ? 1 : 0;
        break;
    case Field::Hidden:
        column = QStringLiteral("hidden");
        stored = value.toBool() ? 1 : 0;
        break;
    }
    // The listing follows the change where it was up to date before it, so
    // that the next search need not read it again.
    const bool listed = m_listing.isLoaded() && m_listedAt == m_writes;
    ++m_writes;
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE voices SET %1 = coalesce(?, '') WHERE id = ?").arg(column));
    q.addBindValue(stored);
    q.addBindValue(id);
    if (!run(q, error))
        return false;
    if (listed && follow(id, field, stored))
        m_listedAt = m_writes;
    return true;
}

bool VoiceLibrary::follow(qint64 id, Field field, const QVariant &stored)
{
    using Order = VoiceListing::Order;
    switch (field) {
    case Field::Name:
        return m_listing.renamed(id, stored.toString(), m_db);
    case Field::Category:
        m_listing.forget(Order::Category);
        break;
    case Field::Tags:
        m_listing.forget(Order::Tags);
        break;
    case Field::Favourite:
        m_listing.forget(Order::Favourite);
        break;
    case Field::Hidden:
        m_listing.setHidden(id, stored.toBool());
        break;
    case Field::Comment:
        break;
    }
    return true;
}

bool VoiceLibrary::remove(qint64 id, LibraryEntry *removed, QString *error)
{
    LibraryEntry old;
    if (!entry(id, &old, error))
        return false;
    const bool ok = inTransaction(
        [&](QString *why) {
            QSqlQuery q(m_db);
            q.prepare(QStringLiteral("DELETE FROM voices WHERE id = ?"));
            q.addBindValue(id);
            return run(q, why) && dropValues(id, old.voice, why);
        },
        error);
    if (ok && removed)
        *removed = std::move(old);
    return ok;
}

bool VoiceLibrary::restore(const LibraryEntry &entry, QString *error)
{
    qint64 id = 0;
    return inTransaction([&](QString *why) { return writeEntry(entry, true, &id, why); }, error);
}

int VoiceLibrary::count() const
{
    QSqlQuery q(m_db);
    return q.exec(QStringLiteral("SELECT count(*) FROM voices")) && q.next() ? q.value(0).toInt()
                                                                             : 0;
}

std::vector<qint64> VoiceLibrary::find(const QString &query, bool withHidden,
                                       QStringList *errors) const
{
    Selection selection;
    selection.query = query;
    selection.withHidden = withHidden;
    return find(selection, errors);
}

std::vector<qint64> VoiceLibrary::find(const Selection &selection, QStringList *errors) const
{
    std::vector<qint64> ids;
    const LibraryQuery query(selection.query, m_content.catalogue(), m_content.codec());
    if (errors)
        *errors = query.errors();
    if (!query.isValid())
        return ids;
    QString error;
    auto failed = [&] {
        if (errors)
            *errors << error;
        return std::vector<qint64>();
    };
    if (!loadListing(&error))
        return failed();
    // SQLite says which voices are in each set; the listing drops the
    // hidden ones and puts the rest in order.
    std::vector<LibraryQuery::Select> sets = query.selects();
    if (!selection.category.isEmpty())
        sets.push_back(
            { QStringLiteral("SELECT id FROM voices WHERE category = ?"), selection.category });
    if (selection.favouritesOnly)
        sets.push_back({ QStringLiteral("SELECT id FROM voices WHERE favourite = 1"), QVariant() });
    if (selection.type)
        sets.push_back(
            { QStringLiteral("SELECT id FROM voices WHERE type = ?"), int(*selection.type) });
    // For each voice, how many sets in a row it is in: those in all are found.
    std::vector<int> in(std::size_t(m_listing.size()), 0);
    for (std::size_t set = 0; set < sets.size(); ++set) {
        QSqlQuery q(m_db);
        q.setForwardOnly(true);
        q.prepare(sets[set].sql);
        if (sets[set].binding.isValid())
            q.addBindValue(sets[set].binding);
        if (!run(q, &error))
            return failed();
        while (q.next()) {
            const int p = m_listing.place(q.value(0).toLongLong());
            if (p >= 0 && in[std::size_t(p)] == int(set))
                in[std::size_t(p)] = int(set) + 1;
        }
    }
    std::vector<int> places;
    for (int p = 0; p < m_listing.size(); ++p) {
        if (in[std::size_t(p)] == int(sets.size())
            && (selection.withHidden || !m_listing.hidden(p)))
            places.push_back(p);
    }
    if (!m_listing.sort(&places, selection.order, selection.descending, m_db, &error))
        return failed();
    ids.reserve(places.size());
    for (int p : places)
        ids.push_back(m_listing.id(p));
    return ids;
}

bool VoiceLibrary::dropOutdated(QString *error) const
{
    QSqlQuery q(m_db);
    // Another connection's commit changes data_version; this one's, m_writes
    // (and m_valueWrites where values change).
    if (!q.exec(QStringLiteral("PRAGMA data_version")) || !q.next()) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    const qint64 version = q.value(0).toLongLong();
    if (version != m_dataVersion || m_writes != m_listedAt) {
        m_listing = VoiceListing();
        m_listedAt = m_writes;
    }
    if (version != m_dataVersion || m_valueWrites != m_featuresAt) {
        m_cache = FeatureCache();
        m_featuresAt = m_valueWrites;
    }
    m_dataVersion = version;
    return true;
}

bool VoiceLibrary::loadListing(QString *error) const
{
    return dropOutdated(error) && (m_listing.isLoaded() || m_listing.load(m_db, error));
}

bool VoiceLibrary::loadFeatures(VoiceType type, QString *error) const
{
    if (!dropOutdated(error))
        return false;
    const int t = int(type) - 1;
    if (!m_cache.ids[t].empty() || !m_cache.features[t].isEmpty())
        return true;
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT voice, features FROM voice_features WHERE type = ?"));
    q.addBindValue(int(type));
    if (!run(q, error))
        return false;
    const int size = m_content.features().size(type) * 2;
    while (q.next()) {
        const QByteArray features = q.value(1).toByteArray();
        if (features.size() != size)
            continue;
        m_cache.ids[t].push_back(q.value(0).toLongLong());
        m_cache.features[t].append(features);
    }
    return true;
}

std::vector<VoiceLibrary::Similar> VoiceLibrary::similar(qint64 id, int count, QString *error) const
{
    std::vector<Similar> found;
    LibraryEntry chosen;
    if (!entry(id, &chosen, error))
        return found;
    const VoiceType type = chosen.voice.type;
    const QByteArray mine = m_content.features().of(chosen.voice);
    if (!loadFeatures(type, error))
        return found;
    const std::vector<qint64> &ids = m_cache.ids[int(type) - 1];
    const uchar *features =
        reinterpret_cast<const uchar *>(m_cache.features[int(type) - 1].constData());
    const uchar *own = reinterpret_cast<const uchar *>(mine.constData());
    const std::size_t size = std::size_t(mine.size());
    std::vector<Similar> all;
    all.reserve(ids.size());
    for (std::size_t i = 0; i < ids.size(); ++i) {
        if (ids[i] != id)
            all.push_back(
                { ids[i], m_content.features().distance(type, own, features + i * size), 0 });
    }
    auto nearer = [](const Similar &a, const Similar &b) {
        return a.distance < b.distance || (a.distance == b.distance && a.id < b.id);
    };
    // The nearest first; hidden voices are passed over.
    std::size_t sorted = 0;
    while (int(found.size()) < count && sorted < all.size()) {
        const std::size_t more = std::min(all.size(), sorted + std::size_t(count) * 2);
        std::partial_sort(all.begin() + long(sorted), all.begin() + long(more), all.end(), nearer);
        for (; sorted < more && int(found.size()) < count; ++sorted) {
            LibraryEntry other;
            if (!entry(all[sorted].id, &other, nullptr) || other.hidden)
                continue;
            Similar s = all[sorted];
            s.differing = int(differences(chosen.voice.values, other.voice.values).size());
            found.push_back(s);
        }
    }
    return found;
}
