#pragma once

#include <QSortFilterProxyModel>

class TParameterMemory;

// Put between the parameter view and its model: when asked, lets through
// only the parameters whose value in the edit buffer differs from the
// stored voice (the one compare mode shows), in the part each row shows.
// It follows edits, loads, stores and compare mode.
class DifferencesFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit DifferencesFilter(TParameterMemory *memory, QObject *parent = nullptr);

    bool differencesOnly() const { return m_only; }
    void setDifferencesOnly(bool only);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    // Filters again once the current burst of changes is over.
    void refilterLater();

    TParameterMemory *m_memory;
    // (high, low) by "block/parameter" words, as the view's rows name them.
    bool m_only = false;
    bool m_pending = false;
};
