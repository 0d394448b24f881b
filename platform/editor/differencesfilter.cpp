#include "differencesfilter.h"

#include "parametermodel.h"

#include <tparametermemory.h>

#include <QTimer>

DifferencesFilter::DifferencesFilter(TParameterMemory *memory, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_memory(memory)
{
    for (int b = 0; b < memory->blockCount(); ++b) {
        for (int p = 0; p < memory->parameterCount(b); ++p)
            m_parameters.insert(memory->blockWord(b) + QLatin1Char('/') + memory->parameterWord(b, p),
                                { quint16(b), quint16(p) });
    }
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
    const QAbstractItemModel *model = sourceModel();
    auto text = [&](int column) {
        return model->index(sourceRow, column, sourceParent).data().toString();
    };
    const auto it = m_parameters.constFind(text(ParameterModel::Block) + QLatin1Char('/')
                                           + text(ParameterModel::Parameter));
    return it != m_parameters.constEnd()
           && m_memory->differsFromStored(it->first, it->second, text(ParameterModel::Part).toInt());
}
