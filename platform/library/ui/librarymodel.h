#pragma once

#include <voicetype.h>

#include <QAbstractTableModel>
#include <QHash>
#include <QStringList>

#include <optional>
#include <vector>

class VoiceLibrary;

// The voices a search finds, as rows of the library panel's table: the ids
// of all of them, in order (VoiceLibrary::find), and what the table shows
// of them read a page at a time as the table scrolls, never all at once.
// Name, category and tags are edited in place; the star column marks
// favourites. A column sorted the other way round is the exact reverse.
class LibraryModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Favourite, Name, Category, Type, Tags, Added, Source, ColumnCount };

    explicit LibraryModel(VoiceLibrary *library, QObject *parent = nullptr);

    // What the table shows: the voices `query` finds (LibraryQuery), in
    // `category` ("" for all), only favourites, and hidden ones too.
    void setFilter(const QString &query, const QString &category, bool favouritesOnly,
                   bool withHidden);
    // Only voices of `type` from now on, or of every type.
    void setVoiceType(std::optional<VoiceType> type);
    // Runs the query again, after the library changed.
    void refresh();
    // What is wrong with the query, one line per fault; empty when it is good.
    QStringList problems() const { return m_problems; }

    qint64 idAt(int row) const;
    bool hiddenAt(int row) const;
    int rowOf(qint64 id);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void problemsChanged(const QStringList &problems);
    // A change the table made could not be written.
    void failed(const QString &message);

private:
    // Column `column` of row `row` as stored (7 is hidden), from the page
    // that holds it, read when first asked for.
    QVariant raw(int row, int column) const;
    static constexpr int pageSize = 256;
    static constexpr int pagesKept = 16;
    using Page = std::vector<std::vector<QVariant>>;

    VoiceLibrary *m_library;
    std::vector<qint64> m_ids;
    mutable QHash<int, Page> m_pages;
    QString m_query;
    QString m_category;
    bool m_favouritesOnly = false;
    bool m_withHidden = false;
    std::optional<VoiceType> m_type;
    int m_sortColumn = Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    QStringList m_problems;
};
