#pragma once

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <QStyledItemDelegate>
#include <QVector>

class TParameterMemory;

// Every parameter of the voice being edited, one row each: its block, its
// name as the memory gives it, the element (1 to 4) or drum key (by its note
// name) shown, and its value text. Element blocks show the element chosen
// with setElement(), drum-key blocks the memory's current drum key. The model
// follows every change made in the memory, wherever it comes from, and
// writes in-place edits of a value through the memory.
class ParameterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Block, Parameter, Part, Value, ColumnCount };
    enum Role {
        // Of the value: its range, and the texts of all its values in order
        // (empty when the values are plain numbers).
        MinimumRole = Qt::UserRole,
        MaximumRole,
        ValueTextsRole,
        // Of any column: the voice type of the row's block (1 to 3; 4 boards).
        VoiceTypeRole,
        // Of any column: the parameter's numbers in the memory (block,
        // parameter) and the part the row shows.
        HighRole,
        LowRole,
        PartRole,
    };

    explicit ParameterModel(TParameterMemory *memory, QObject *parent = nullptr);

    // The element shown for element blocks, 0 to 3.
    void setElement(int element);
    int element() const { return m_element; }

    // The row of the parameter (block word, parameter word), or -1.
    int rowOf(const QString &block, const QString &parameter) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row
    {
        quint16 high;
        quint16 low;
    };
    int partOf(quint16 high) const;
    QString partName(quint16 high) const;
    void parameterChanged(quint16 high, quint16 low, int part);
    void everythingChanged();

    TParameterMemory *m_memory;
    QVector<Row> m_rows;
    QVector<int> m_firstRowOfBlock;
    QStringList m_blockNames;
    int m_element = 0;
};

// The parameters of one voice type (plug-in voices with the boards' native
// parameters) whose name or block contains a text.
class ParameterFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ParameterFilter(QObject *parent = nullptr);

    void setVoiceType(int type);
    void setText(const QString &text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;

private:
    int m_voiceType = 1;
    QString m_text;
};

// Edits a value in place: a list of the value's texts, or a number box
// where its values are plain numbers.
class ParameterDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};
