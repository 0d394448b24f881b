#include "voicelisting.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <sqlite3.h>

#include <algorithm>

namespace {

// Runs `sql` and calls `each` with the first column of every row. The
// listing reads every voice of the library; stepping through SQLite's own
// statement costs a third of what a row through QSqlQuery costs, which is
// most of the time at 100,000 voices.
template <typename Each>
bool forEachId(QSqlDatabase db, const char *sql, QString *error, Each each)
{
    const QVariant handle = db.driver()->handle();
    sqlite3 *connection = handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0
        ? *static_cast<sqlite3 *const *>(handle.constData())
        : nullptr;
    sqlite3_stmt *statement = nullptr;
    int status =
        connection ? sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) : SQLITE_MISUSE;
    if (status == SQLITE_OK) {
        while ((status = sqlite3_step(statement)) == SQLITE_ROW)
            each(qint64(sqlite3_column_int64(statement, 0)));
    }
    sqlite3_finalize(statement);
    if (status == SQLITE_DONE)
        return true;
    if (error)
        *error = connection ? QString::fromUtf8(sqlite3_errmsg(connection))
                            : QStringLiteral("the library is not an SQLite database");
    return false;
}

} // namespace

bool VoiceListing::load(QSqlDatabase db, QString *error)
{
    *this = VoiceListing();
    // Read from the index of names alone (the id is its last key).
    if (!forEachId(db, "SELECT id FROM voices ORDER BY name COLLATE NOCASE, id", error,
                   [this](qint64 id) { m_ids.push_back(id); }))
        return false;
    if (!m_ids.empty()) {
        const auto [low, high] = std::minmax_element(m_ids.begin(), m_ids.end());
        m_first = *low;
        if (quint64(*high - *low) < quint64(m_ids.size()) * 4 + 1024)
            m_slots.assign(std::size_t(*high - *low + 1), -1);
        else
            m_sparse.reserve(m_ids.size());
    }
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        if (!m_slots.empty())
            m_slots[std::size_t(m_ids[i] - m_first)] = int(i);
        else
            m_sparse.emplace(m_ids[i], int(i));
    }
    m_hidden.assign(m_ids.size(), 0);
    if (!forEachId(db, "SELECT id FROM voices WHERE hidden = 1", error, [this](qint64 id) {
            const int p = place(id);
            if (p >= 0)
                m_hidden[std::size_t(p)] = 1;
        }))
        return false;
    m_loaded = true;
    return true;
}

bool VoiceListing::renamed(qint64 id, const QString &name, QSqlDatabase db)
{
    const int from = place(id);
    if (from < 0)
        return false;
    // Its new place: how many others now come before it, counted in the
    // index of names.
    QSqlQuery before(db);
    before.prepare(QStringLiteral("SELECT (SELECT count(*) FROM voices WHERE name < ? COLLATE "
                                  "NOCASE) + (SELECT count(*) FROM voices WHERE name = ? "
                                  "COLLATE NOCASE AND id < ?)"));
    before.addBindValue(name);
    before.addBindValue(name);
    before.addBindValue(id);
    if (!before.exec() || !before.next())
        return false;
    const int to = before.value(0).toInt();
    if (to >= size())
        return false;
    // Every table by place moves the voice from `from` to `to`.
    const auto move = [from, to](auto &byPlace) {
        if (byPlace.empty())
            return;
        const auto at = byPlace.begin();
        if (from < to)
            std::rotate(at + from, at + from + 1, at + to + 1);
        else
            std::rotate(at + to, at + from, at + from + 1);
    };
    move(m_ids);
    move(m_hidden);
    for (std::vector<int> &ranks : m_ranks)
        move(ranks);
    for (int p = std::min(from, to); p <= std::max(from, to); ++p) {
        const qint64 moved = m_ids[std::size_t(p)];
        if (m_slots.empty())
            m_sparse[moved] = p;
        else
            m_slots[std::size_t(moved - m_first)] = p;
    }
    return true;
}

void VoiceListing::setHidden(qint64 id, bool hidden)
{
    const int p = place(id);
    if (p >= 0)
        m_hidden[std::size_t(p)] = hidden ? 1 : 0;
}

int VoiceListing::place(qint64 id) const
{
    if (m_slots.empty()) {
        const auto it = m_sparse.find(id);
        return it == m_sparse.end() ? -1 : it->second;
    }
    const qint64 slot = id - m_first;
    return slot >= 0 && slot < qint64(m_slots.size()) ? m_slots[std::size_t(slot)] : -1;
}

bool VoiceListing::loadRanks(Order order, QSqlDatabase db, QString *error)
{
    std::vector<int> &ranks = m_ranks[int(order)];
    if (!ranks.empty() || m_ids.empty())
        return true;
    std::vector<int> read(m_ids.size(), 0);
    int rank = 0;
    auto ranked = [&](qint64 id) {
        const int p = place(id);
        if (p >= 0)
            read[std::size_t(p)] = rank++;
    };
    bool ok = true;
    switch (order) {
    case Order::Favourite:
        // Favourites after the others.
        ok = forEachId(db, "SELECT id FROM voices WHERE favourite = 1", error, [&](qint64 id) {
            const int p = place(id);
            if (p >= 0)
                read[std::size_t(p)] = 1;
        });
        break;
    case Order::Category:
        ok = forEachId(db, "SELECT id FROM voices ORDER BY category, id", error, ranked);
        break;
    case Order::Type:
        ok = forEachId(db, "SELECT id FROM voices ORDER BY type, id", error, ranked);
        break;
    case Order::Tags:
        ok = forEachId(db, "SELECT id FROM voices ORDER BY tags COLLATE NOCASE, id", error, ranked);
        break;
    case Order::Source:
        ok = forEachId(db, "SELECT id FROM voices ORDER BY source, id", error, ranked);
        break;
    default:
        break;
    }
    if (ok)
        ranks = std::move(read);
    return ok;
}

bool VoiceListing::sort(std::vector<int> *places, Order order, bool descending, QSqlDatabase db,
                        QString *error)
{
    switch (order) {
    case Order::Name: // places are positions in name order
        if (!std::is_sorted(places->begin(), places->end()))
            std::sort(places->begin(), places->end());
        break;
    case Order::Added: // the date a voice was added goes with its id
        std::sort(places->begin(), places->end(), [this](int a, int b) { return id(a) < id(b); });
        break;
    default: {
        if (!loadRanks(order, db, error))
            return false;
        const std::vector<int> &ranks = m_ranks[int(order)];
        std::sort(places->begin(), places->end(), [&](int a, int b) {
            const int ra = ranks[std::size_t(a)];
            const int rb = ranks[std::size_t(b)];
            return ra < rb || (ra == rb && id(a) < id(b));
        });
    }
    }
    if (descending)
        std::reverse(places->begin(), places->end());
    return true;
}
