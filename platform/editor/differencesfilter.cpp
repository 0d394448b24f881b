#include "differencesfilter.h"

#include "parametermodel.h"

#include <tparametermemory.h>

#include <QTimer>

DifferencesFilter::DifferencesFilter(TParameterMemory *memory, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_memory(memory)
{
    connect(memory, &TParameterMemory::parameterChanged, this, &DifferencesFilter::refilterLater);
    connect(memory, &TParameterMemory::storedVoiceChanged, this, &DifferencesFilter::refilterLater);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &DifferencesFilter::refilterLater);
}

void DifferencesFilter::setDifferencesOnly(bool only)
{
    if (only == m_only)
        return;
    m_only = only;
    invalidateFilter();
}

void DifferencesFilter::refilterLater()
{
    if (!m_only || m_pending)
        return;
    m_pending = true;
    QTimer::singleShot(0, this, [this] {
        m_pending = false;
        invalidateFilter();
    });
}

bool DifferencesFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    if (!m_only)
        return true;
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    return m_memory->differsFromStored(quint16(index.data(ParameterModel::HighRole).toInt()),
                                       quint16(index.data(ParameterModel::LowRole).toInt()),
                                       index.data(ParameterModel::PartRole).toInt());
}
