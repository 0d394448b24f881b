#pragma once

#include <QSqlQueryModel>
#include <QStringList>

class VoiceLibrary;

// The voices a search finds, as rows of the library panel's table: a query
// over the library that Qt fetches as the table scrolls, never all voices at
// once. Name, category and tags are edited in place; the star column marks
// favourites.
class LibraryModel : public QSqlQueryModel
{
    Q_OBJECT

public:
    enum Column { Favourite, Name, Category, Type, Tags, Added, Source, ColumnCount };

    explicit LibraryModel(VoiceLibrary *library, QObject *parent = nullptr);

    // What the table shows: the voices `query` finds (LibraryQuery), in
    // `category` ("" for all), only favourites, and hidden ones too.
    void setFilter(const QString &query, const QString &category, bool favouritesOnly,
                   bool withHidden);
    // Runs the query again, after the library changed.
    void refresh();
    // What is wrong with the query, one line per fault; empty when it is good.
    QStringList problems() const { return m_problems; }

    qint64 idAt(int row) const;
    bool hiddenAt(int row) const;
    int rowOf(qint64 id);

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
    // Column `column` of the query's row `row` (0 the id, 8 hidden).
    QVariant raw(int row, int column) const;

    VoiceLibrary *m_library;
    QString m_query;
    QString m_category;
    bool m_favouritesOnly = false;
    bool m_withHidden = false;
    int m_sortColumn = Name;
    Qt::SortOrder m_order = Qt::AscendingOrder;
    QStringList m_problems;
};
