#pragma once

#include <QAbstractTableModel>
#include <QVector>

class TParameterMemory;

// Every parameter of the voice being edited, one row each: block, parameter,
// part, value text. Element and drum-key blocks show the part the editor
// edits. The model follows every change made in the memory, wherever it
// comes from.
class ParameterModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Block, Parameter, Part, Value, ColumnCount };

    explicit ParameterModel(TParameterMemory *memory, QObject *parent = nullptr);

    // The part shown for blocks that have several (elements, drum keys).
    void setPart(int part);
    int part() const { return m_part; }

    // The row of the parameter (block word, parameter word), or -1.
    int rowOf(const QString &block, const QString &parameter) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    struct Row
    {
        quint16 high;
        quint16 low;
    };
    int partOf(quint16 high) const;
    void parameterChanged(quint16 high, quint16 low, int part);
    void everythingChanged();

    TParameterMemory *m_memory;
    QVector<Row> m_rows;
    QVector<int> m_firstRowOfBlock;
    int m_part = 0;
};
