#include "view/parametermodel.h"

#include <partnames.h>
#include <toollocks.h>
#include <tparametermemory.h>
#include <voice.h>

#include <QGuiApplication>
#include <QPalette>
#include <QRegularExpression>
#include <QTimer>

namespace {

// "NormalElementLFO" reads "Normal Element LFO".
QString spacedWords(const QString &word)
{
    static const QRegularExpression boundary(
        QStringLiteral("(?<=[a-z])(?=[A-Z])|(?<=[A-Z])(?=[A-Z][a-z])"));
    QString text = word;
    return text.replace(boundary, QStringLiteral(" "));
}

// The part of a row that shows whichever part is chosen on the panel.
constexpr int shownPartOfRow = -1;

} // namespace

ParameterModel::ParameterModel(TParameterMemory *memory, QObject *parent)
    : QAbstractTableModel(parent)
    , m_memory(memory)
{
    for (int b = 0; b < memory->blockCount(); ++b) {
        m_firstRowOfBlock.append(int(m_all.size()));
        m_blockNames.append(spacedWords(memory->blockWord(b)));
        for (int p = 0; p < memory->parameterCount(b); ++p)
            m_all.append({ quint16(b), quint16(p), shownPartOfRow });
    }
    connect(memory, &TParameterMemory::parameterChanged, this,
            [this](quint16 high, quint16 low, int part, int) {
                parameterChanged({ high, low, part });
            });
    // A type parameter changes names and texts of its whole block; loads,
    // compare mode and another drum key change everything.
    connect(memory, &TParameterMemory::blockLayoutChanged, this,
            &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::enterCompareMode, this, &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::signalDrumKeyNoteChange, this,
            &ParameterModel::everythingChanged);
    connect(memory, &TParameterMemory::editBufferLoaded, this,
            &ParameterModel::refreshDifferencesLater);
    connect(memory, &TParameterMemory::storedVoiceChanged, this,
            &ParameterModel::refreshDifferencesLater);
}

void ParameterModel::setLocks(ToolLocks *locks)
{
    if (m_locks)
        disconnect(m_locks, nullptr, this, nullptr);
    m_locks = locks;
    if (locks) {
        connect(locks, &ToolLocks::changed, this, [this] {
            if (!rows().isEmpty())
                emit dataChanged(index(0, Lock), index(int(rows().size()) - 1, Lock),
                                 { Qt::CheckStateRole, Qt::ToolTipRole });
        });
    }
    everythingChanged();
}

void ParameterModel::setElement(int element)
{
    m_element = qBound(0, element, int(TParameterMemory::ElementCount) - 1);
    everythingChanged();
}

void ParameterModel::setDifferencesOnly(bool only)
{
    if (only == m_differencesOnly)
        return;
    beginResetModel();
    m_differencesOnly = only;
    endResetModel();
    refreshDifferences();
}

int ParameterModel::shownPart(quint16 high) const
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

const QVector<ParameterRef> &ParameterModel::rows() const
{
    return m_differencesOnly ? m_differences : m_all;
}

ParameterRef ParameterModel::refOf(int row) const
{
    ParameterRef ref = rows().at(row);
    if (ref.part == shownPartOfRow)
        ref.part = shownPart(ref.high);
    return ref;
}

int ParameterModel::rowOf(const QString &block, const QString &parameter) const
{
    for (int i = 0; i < m_all.size(); ++i) {
        if (m_memory->blockWord(m_all[i].high) == block
            && m_memory->parameterWord(m_all[i].high, m_all[i].low) == parameter)
            return m_differencesOnly ? -1 : i;
    }
    return -1;
}

int ParameterModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows().size());
}

int ParameterModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ParameterModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rows().size())
        return QVariant();
    const ParameterRef ref = refOf(index.row());
    if (index.column() == Lock && (role == Qt::CheckStateRole || role == Qt::ToolTipRole))
        return lockData(ref, role);
    if (role != Qt::DisplayRole)
        return valueData(ref, role);
    switch (index.column()) {
    case Block:
        return m_blockNames.value(ref.high);
    case Parameter:
        return m_memory->name(ref.high, ref.low, ref.part);
    case Part:
        switch (m_memory->partCount(ref.high)) {
        case TParameterMemory::ElementCount:
            return tr("Element %1").arg(ref.part + 1);
        case TParameterMemory::DrumKeyCount:
            return PartNames::drumKeyName(ref.part);
        default:
            return QString();
        }
    case Value:
        if (!m_memory->inUse(ref.high, ref.low, ref.part))
            return tr("(not in use)");
        return m_memory->valueText(ref.high, ref.low, ref.part,
                                   m_memory->value(ref.high, ref.low, ref.part));
    }
    return QVariant();
}

// The Lock column's box and what it says about the lock.
QVariant ParameterModel::lockData(const ParameterRef &ref, int role) const
{
    if (!m_locks)
        return QVariant();
    const QVector<ToolLocks::Lock> holding = m_locks->locksOn(*m_memory, ref);
    if (role == Qt::CheckStateRole)
        return holding.isEmpty() ? Qt::Unchecked : Qt::Checked;
    if (holding.isEmpty())
        return tr("Click to lock: Randomise, Mutate and Morph leave it as it is");
    const ToolLocks::Lock own = ToolLocks::parameter(*m_memory, ref);
    QStringList lines;
    for (const ToolLocks::Lock &lock : holding) {
        const QString what = ToolLocks::describe(*m_memory, lock);
        switch (lock.kind) {
        case ToolLocks::Lock::Parameter:
            if (lock == own)
                lines << tr("Locked: Randomise, Mutate and Morph leave it as it is. Click to "
                            "unlock.");
            break;
        case ToolLocks::Lock::Block:
            lines
                << tr("Locked with its block %1: unlock the block from the context menu").arg(what);
            break;
        case ToolLocks::Lock::Element:
            lines << tr("Locked with %1: unlock the element from the context menu").arg(what);
            break;
        case ToolLocks::Lock::DrumKey:
            lines << tr("Locked with %1: unlock the key from the context menu").arg(what);
            break;
        case ToolLocks::Lock::Pattern:
            lines << tr("Locked by the pattern \"%1\": remove it on the Locks page")
                         .arg(lock.pattern);
            break;
        }
    }
    return lines.join(QLatin1Char('\n'));
}

// Locks or unlocks the row's own parameter; a row that another lock holds
// stays locked, and the status bar says which lock to undo.
bool ParameterModel::setLocked(const ParameterRef &ref, bool locked)
{
    const ToolLocks::Lock own = ToolLocks::parameter(*m_memory, ref);
    if (locked)
        return m_locks->add(own);
    const bool removed = m_locks->remove(own);
    if (m_locks->isLocked(*m_memory, ref)) {
        const QString name = m_memory->name(ref.high, ref.low, ref.part);
        const QVector<ToolLocks::Lock> holding = m_locks->locksOn(*m_memory, ref);
        emit message(tr("%1 stays locked with %2: unlock that from the context menu or the "
                        "Locks page")
                         .arg(name, ToolLocks::describe(*m_memory, holding.constFirst())));
    }
    return removed;
}

// What every column of a row answers beside its text.
QVariant ParameterModel::valueData(const ParameterRef &ref, int role) const
{
    switch (role) {
    case Qt::EditRole:
        return m_memory->value(ref.high, ref.low, ref.part);
    case Qt::ToolTipRole:
        return m_memory->parameterPath(ref.high, ref.low);
    case Qt::ForegroundRole:
        // Compare mode shows the stored voice, greyed as the dialogs grey it.
        if (m_memory->compareMode())
            return QGuiApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        return QVariant();
    case MinimumRole:
        return m_memory->minimum(ref.high, ref.low, ref.part);
    case MaximumRole:
        return m_memory->maximum(ref.high, ref.low, ref.part);
    case VoiceTypeRole:
        return int(m_memory->blockVoiceType(ref.high));
    case HighRole:
        return ref.high;
    case LowRole:
        return ref.low;
    case PartRole:
        return ref.part;
    case PartCountRole:
        return m_memory->partCount(ref.high);
    case ValueTextsRole: {
        const int low = m_memory->minimum(ref.high, ref.low, ref.part);
        const int high = m_memory->maximum(ref.high, ref.low, ref.part);
        QStringList texts;
        for (int v = low; v <= high; ++v)
            texts.append(m_memory->valueText(ref.high, ref.low, ref.part, v));
        if (texts.first() == QString::number(low) && texts.last() == QString::number(high))
            texts.clear();
        return texts;
    }
    default:
        return QVariant();
    }
}

bool ParameterModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role == Qt::CheckStateRole && (flags(index) & Qt::ItemIsUserCheckable))
        return setLocked(refOf(index.row()), value.toInt() == Qt::Checked);
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const ParameterRef ref = refOf(index.row());
    // The memory reports the change, and the view follows it from there.
    return m_memory->setValue(ref.high, ref.low, ref.part, value.toInt());
}

Qt::ItemFlags ParameterModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() == Lock && m_locks)
        flags |= Qt::ItemIsUserCheckable;
    if (index.isValid() && index.column() == Value && !m_memory->compareMode()) {
        const ParameterRef ref = refOf(index.row());
        if (m_memory->inUse(ref.high, ref.low, ref.part))
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
    case Lock:
        return tr("Lock");
    }
    return QVariant();
}

void ParameterModel::parameterChanged(const ParameterRef &ref)
{
    if (m_differencesOnly) {
        refreshDifferencesLater();
        return;
    }
    if (ref.high >= m_firstRowOfBlock.size() || ref.part != shownPart(ref.high))
        return;
    const int row = m_firstRowOfBlock[ref.high] + ref.low;
    emit dataChanged(index(row, Value), index(row, Value));
}

void ParameterModel::everythingChanged()
{
    if (!rows().isEmpty())
        emit dataChanged(index(0, 0), index(int(rows().size()) - 1, ColumnCount - 1));
}

void ParameterModel::refreshDifferencesLater()
{
    if (!m_differencesOnly || m_refreshPending)
        return;
    m_refreshPending = true;
    QTimer::singleShot(0, this, [this] {
        m_refreshPending = false;
        refreshDifferences();
    });
}

void ParameterModel::refreshDifferences()
{
    if (!m_differencesOnly)
        return;
    const std::vector<ParameterRef> all =
        differences(m_memory->voice().values, m_memory->storedVoice().values);
    const QVector<ParameterRef> found(all.begin(), all.end());
    // The same differences with other values keep the rows, and an edit
    // open in the view.
    if (found == m_differences) {
        everythingChanged();
        return;
    }
    beginResetModel();
    m_differences = found;
    endResetModel();
}
