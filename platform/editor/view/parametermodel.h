#pragma once

#include <parameterref.h>

#include <QAbstractTableModel>
#include <QPointer>
#include <QStringList>
#include <QVector>

class TParameterMemory;
class ToolLocks;

// The parameters of the voice being edited, one row each: its block, its
// name as the memory gives it, the element (1 to 4) or drum key (by its note
// name) and its value text. Element blocks show the element chosen with
// setElement(), drum-key blocks the memory's current drum key.
//
// With differences only, the rows are instead every value of every part
// (each element, each drum key) that differs from the stored voice, the
// part column saying which. The model follows every change made in the
// memory, wherever it comes from, and writes in-place edits of a value
// through the memory. In compare mode it shows the stored voice, greyed
// and read-only.
//
// Given the tools' locks (setLocks()), the Lock column checks every row that
// Randomise, Mutate and Morph leave alone, whatever lock holds it (its own,
// its block's, its element's or key's, a name pattern), and follows every
// change of the locks; checking a row locks its parameter in its part.
class ParameterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Block, Parameter, Part, Value, Lock, ColumnCount };
    enum Role {
        // Of the value: its range, and the texts of all its values in order
        // (empty when the values are plain numbers).
        MinimumRole = Qt::UserRole,
        MaximumRole,
        ValueTextsRole,
        // Of any column: the voice type of the row's block (1 to 3; 4 boards).
        VoiceTypeRole,
        // Of any column: the parameter's numbers in the memory (block,
        // parameter), the part the row shows and the block's number of parts.
        HighRole,
        LowRole,
        PartRole,
        PartCountRole,
    };

    explicit ParameterModel(TParameterMemory *memory, QObject *parent = nullptr);

    // The element shown for element blocks, 0 to 3.
    void setElement(int element);
    int element() const { return m_element; }

    // The locks the Lock column shows and sets; without them it stays empty.
    void setLocks(ToolLocks *locks);

    bool differencesOnly() const { return m_differencesOnly; }
    void setDifferencesOnly(bool only);

    // The row of the parameter (block word, parameter word) among all
    // parameters, or -1.
    int rowOf(const QString &block, const QString &parameter) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // Why a click on a Lock box changed nothing, for the status bar.
    void message(const QString &text);

private:
    // A row's parameter in the part it shows.
    ParameterRef refOf(int row) const;
    const QVector<ParameterRef> &rows() const;
    int shownPart(quint16 high) const;
    QVariant valueData(const ParameterRef &ref, int role) const;
    QVariant lockData(const ParameterRef &ref, int role) const;
    bool setLocked(const ParameterRef &ref, bool locked);
    void parameterChanged(const ParameterRef &ref);
    void everythingChanged();
    // Lists the differences again once the current burst of changes is over.
    void refreshDifferencesLater();
    void refreshDifferences();

    TParameterMemory *m_memory;
    QPointer<ToolLocks> m_locks;
    // Every parameter, part unset (the shown part), and every difference.
    QVector<ParameterRef> m_all;
    QVector<ParameterRef> m_differences;
    QVector<int> m_firstRowOfBlock;
    QStringList m_blockNames;
    int m_element = 0;
    bool m_differencesOnly = false;
    bool m_refreshPending = false;
};
