#include "parametermodel.h"

#include <tparametermemory.h>

ParameterModel::ParameterModel(TParameterMemory *memory, QObject *parent)
    : QAbstractTableModel(parent)
    , m_memory(memory)
{
    for (int b = 0; b < memory->blockCount(); ++b) {
        m_firstRowOfBlock.append(m_rows.size());
        for (int p = 0; p < memory->parameterCount(b); ++p)
            m_rows.append({ quint16(b), quint16(p) });
    }
    connect(memory, &TParameterMemory::parameterChanged, this,
            [this](quint16 high, quint16 low, int part, int) { parameterChanged(high, low, part); });
    // A type parameter changes names and texts of its whole block; loads and
    // compare mode change everything.
    connect(memory, &TParameterMemory::blockLayoutChanged, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::enterCompareMode, this, &ParameterModel::everythingChanged);
}

void ParameterModel::setPart(int part)
{
    m_part = part;
    everythingChanged();
}

int ParameterModel::partOf(quint16 high) const
{
    const int parts = m_memory->partCount(high);
    return parts > 1 ? qBound(0, m_part, parts - 1) : 0;
}

int ParameterModel::rowOf(const QString &block, const QString &parameter) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_memory->blockWord(m_rows[i].high) == block
            && m_memory->parameterWord(m_rows[i].high, m_rows[i].low) == parameter)
            return i;
    }
    return -1;
}

int ParameterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ParameterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ParameterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows[index.row()];
    const int part = partOf(row.high);
    if (role == Qt::ToolTipRole)
        return m_memory->name(row.high, row.low, part);
    if (role != Qt::DisplayRole)
        return QVariant();
    switch (index.column()) {
    case Block:
        return m_memory->blockWord(row.high);
    case Parameter:
        return m_memory->parameterWord(row.high, row.low);
    case Part:
        return part;
    case Value:
        if (!m_memory->inUse(row.high, row.low, part))
            return QStringLiteral("(not in use)");
        return m_memory->valueText(row.high, row.low, part, m_memory->value(row.high, row.low, part));
    }
    return QVariant();
}

QVariant ParameterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case Block:
        return tr("Block");
    case Parameter:
        return tr("Parameter");
    case Part:
        return tr("Part");
    case Value:
        return tr("Value");
    }
    return QVariant();
}

void ParameterModel::parameterChanged(quint16 high, quint16 low, int part)
{
    if (high >= m_firstRowOfBlock.size() || part != partOf(high))
        return;
    const int row = m_firstRowOfBlock[high] + low;
    emit dataChanged(index(row, Value), index(row, Value));
}

void ParameterModel::everythingChanged()
{
    if (!m_rows.isEmpty())
        emit dataChanged(index(0, 0), index(int(m_rows.size()) - 1, ColumnCount - 1));
}
