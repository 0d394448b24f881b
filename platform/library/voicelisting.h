#pragma once

#include <QSqlDatabase>
#include <QString>

#include <unordered_map>
#include <vector>

// Every voice of a library in the order of their names (case aside, then
// by id) and which of them are hidden, read in one pass over the index of
// names and one over the index of hidden voices. A search asks SQLite only
// which voices meet its terms; this drops the hidden ones and puts the rest
// in order without reading those voices again. The orders by the other
// columns are read when first asked for. A listing describes the library as
// it was when read: the owner reads a new one after any change.
class VoiceListing
{
public:
    // The orders, in the library panel's order of columns.
    enum class Order { Favourite, Name, Category, Type, Tags, Added, Source, Count };

    bool load(QSqlDatabase db, QString *error);
    bool isLoaded() const { return m_loaded; }

    // Places are positions in name order, 0 to size() - 1.
    int size() const { return int(m_ids.size()); }
    // The place of voice `id`, -1 for a voice not listed.
    int place(qint64 id) const;
    qint64 id(int place) const { return m_ids[std::size_t(place)]; }
    bool hidden(int place) const { return m_hidden[std::size_t(place)] != 0; }

    // Puts `places` in `order`, voices of the same value by id; descending
    // is the exact reverse. False with *error when the order cannot be read.
    bool sort(std::vector<int> *places, Order order, bool descending, QSqlDatabase db,
              QString *error);

    // A change of one voice made through the library, brought into the
    // listing without reading it again. False when the listing could not
    // follow it (it is then to be read again).
    bool renamed(qint64 id, const QString &name, QSqlDatabase db);
    void setHidden(qint64 id, bool hidden);
    // The order by `order` changed; it is read again when next asked for.
    void forget(Order order) { m_ranks[int(order)].clear(); }

private:
    bool loadRanks(Order order, QSqlDatabase db, QString *error);

    bool m_loaded = false;
    std::vector<qint64> m_ids;  // in name order
    std::vector<char> m_hidden; // by place
    // The place of each id: m_slots[id - m_first] where ids are dense
    // enough (as they are unless most voices were deleted), else m_sparse.
    qint64 m_first = 0;
    std::vector<int> m_slots;
    std::unordered_map<qint64, int> m_sparse;
    // For the orders other than name and date: each place's rank in them.
    std::vector<int> m_ranks[int(Order::Count)];
};
