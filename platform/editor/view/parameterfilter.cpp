#include "view/parameterfilter.h"

#include "view/parametermodel.h"

#include "addon/entryplaces.h"

#include <tparametermemory.h>
#include <voicetype.h>

ParameterFilter::ParameterFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void ParameterFilter::setVoiceType(VoiceType type)
{
    m_voiceType = type;
    invalidateFilter();
}

void ParameterFilter::setText(const QString &text)
{
    m_text = text.trimmed();
    invalidateFilter();
}

bool ParameterFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QAbstractItemModel *model = sourceModel();
    const QModelIndex row = model->index(sourceRow, 0, sourceParent);
    if (voiceOfBlocks(VoiceType(row.data(ParameterModel::VoiceTypeRole).toInt())) != m_voiceType)
        return false;
    if (row.data(ParameterModel::PartCountRole).toInt() == TParameterMemory::ElementCount
        && row.data(ParameterModel::PartRole).toInt() >= elementCount(m_voiceType))
        return false;
    if (m_text.isEmpty())
        return true;
    for (int column : { ParameterModel::Parameter, ParameterModel::Block }) {
        if (model->index(sourceRow, column, sourceParent)
                .data()
                .toString()
                .contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
