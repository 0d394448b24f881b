#include "view/parameterfilter.h"

#include "view/parametermodel.h"

#include <voicetype.h>

ParameterFilter::ParameterFilter(QObject *parent)
    : QSortFilterProxyModel(parent)
{
}

void ParameterFilter::setVoiceType(int type)
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
    const int type = model->index(sourceRow, 0, sourceParent).data(ParameterModel::VoiceTypeRole).toInt();
    if (int(voiceOfBlocks(VoiceType(type))) != m_voiceType)
        return false;
    if (m_text.isEmpty())
        return true;
    for (int column : { ParameterModel::Parameter, ParameterModel::Block }) {
        if (model->index(sourceRow, column, sourceParent).data().toString().contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}
