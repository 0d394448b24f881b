#include "parametermodel.h"

#include <tparametermemory.h>

#include <QComboBox>
#include <QRegularExpression>
#include <QSpinBox>

namespace {

// "NormalElementLFO" reads "Normal Element LFO".
QString spacedWords(const QString &word)
{
    static const QRegularExpression boundary(QStringLiteral("(?<=[a-z])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])"));
    QString text = word;
    return text.replace(boundary, QStringLiteral(" "));
}

} // namespace

ParameterModel::ParameterModel(TParameterMemory *memory, QObject *parent)
    : QAbstractTableModel(parent)
    , m_memory(memory)
{
    for (int b = 0; b < memory->blockCount(); ++b) {
        m_firstRowOfBlock.append(m_rows.size());
        m_blockNames.append(spacedWords(memory->blockWord(b)));
        for (int p = 0; p < memory->parameterCount(b); ++p)
            m_rows.append({ quint16(b), quint16(p) });
    }
    connect(memory, &TParameterMemory::parameterChanged, this,
            [this](quint16 high, quint16 low, int part, int) { parameterChanged(high, low, part); });
    // A type parameter changes names and texts of its whole block; loads,
    // compare mode and another drum key change everything.
    connect(memory, &TParameterMemory::blockLayoutChanged, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::enterCompareMode, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::signalDrumKeyNoteChange, this, &ParameterModel::everythingChanged);
}

void ParameterModel::setElement(int element)
{
    m_element = qBound(0, element, int(TParameterMemory::ElementCount) - 1);
    everythingChanged();
}

int ParameterModel::partOf(quint16 high) const
{
    switch (m_memory->partCount(high)) {
    case TParameterMemory::ElementCount:
        return m_element;
    case TParameterMemory::DrumKeyCount:
        return m_memory->currentDrumKey();
    default:
        return 0;
    }
}

QString ParameterModel::partName(quint16 high) const
{
    switch (m_memory->partCount(high)) {
    case TParameterMemory::ElementCount:
        return tr("Element %1").arg(m_element + 1);
    case TParameterMemory::DrumKeyCount:
        return PartNames::drumKeyName(m_memory->currentDrumKey());
    default:
        return QString();
    }
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
    switch (role) {
    case Qt::DisplayRole:
        break;
    case Qt::EditRole:
        return m_memory->value(row.high, row.low, part);
    case Qt::ToolTipRole:
        return m_memory->parameterPath(row.high, row.low);
    case MinimumRole:
        return m_memory->minimum(row.high, row.low, part);
    case MaximumRole:
        return m_memory->maximum(row.high, row.low, part);
    case VoiceTypeRole:
        return int(m_memory->blockVoiceType(row.high));
    case HighRole:
        return row.high;
    case LowRole:
        return row.low;
    case PartRole:
        return part;
    case ValueTextsRole: {
        const int low = m_memory->minimum(row.high, row.low, part);
        const int high = m_memory->maximum(row.high, row.low, part);
        QStringList texts;
        for (int v = low; v <= high; ++v)
            texts.append(m_memory->valueText(row.high, row.low, part, v));
        if (texts.first() == QString::number(low) && texts.last() == QString::number(high))
            texts.clear();
        return texts;
    }
    default:
        return QVariant();
    }
    switch (index.column()) {
    case Block:
        return m_blockNames.value(row.high);
    case Parameter:
        return m_memory->name(row.high, row.low, part);
    case Part:
        return partName(row.high);
    case Value:
        if (!m_memory->inUse(row.high, row.low, part))
            return tr("(not in use)");
        return m_memory->valueText(row.high, row.low, part, m_memory->value(row.high, row.low, part));
    }
    return QVariant();
}

bool ParameterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const Row &row = m_rows[index.row()];
    // The memory reports the change, and the view follows it from there.
    return m_memory->setValue(row.high, row.low, partOf(row.high), value.toInt());
}

Qt::ItemFlags ParameterModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Value && !m_memory->compareMode()) {
        const Row &row = m_rows[index.row()];
        if (m_memory->inUse(row.high, row.low, partOf(row.high)))
            flags |= Qt::ItemIsEditable;
    }
    return flags;
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
        return tr("Element or key");
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
    // The boards' native parameters are a plug-in voice's.
    if ((type == 4 ? 2 : type) != m_voiceType)
        return false;
    if (m_text.isEmpty())
        return true;
    for (int column : { ParameterModel::Parameter, ParameterModel::Block }) {
        if (model->index(sourceRow, column, sourceParent).data().toString().contains(m_text, Qt::CaseInsensitive))
            return true;
    }
    return false;
}

QWidget *ParameterDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &,
                                         const QModelIndex &index) const
{
    const QStringList texts = index.data(ParameterModel::ValueTextsRole).toStringList();
    const int minimum = index.data(ParameterModel::MinimumRole).toInt();
    if (texts.isEmpty()) {
        auto *box = new QSpinBox(parent);
        box->setRange(minimum, index.data(ParameterModel::MaximumRole).toInt());
        return box;
    }
    auto *list = new QComboBox(parent);
    list->addItems(texts);
    list->setProperty("minimum", minimum);
    // Each value chosen is written at once, as the dialogs' controls do.
    connect(list, &QComboBox::currentIndexChanged, this,
            [this, list] { emit const_cast<ParameterDelegate *>(this)->commitData(list); });
    return list;
}

void ParameterDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    const int value = index.data(Qt::EditRole).toInt();
    if (auto *list = qobject_cast<QComboBox *>(editor)) {
        const QSignalBlocker block(list);
        list->setCurrentIndex(value - list->property("minimum").toInt());
    }
    else if (auto *box = qobject_cast<QSpinBox *>(editor))
        box->setValue(value);
}

void ParameterDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                     const QModelIndex &index) const
{
    if (auto *list = qobject_cast<QComboBox *>(editor))
        model->setData(index, list->currentIndex() + list->property("minimum").toInt());
    else if (auto *box = qobject_cast<QSpinBox *>(editor))
        model->setData(index, box->value());
}
