#include "toollocks.h"

#include "soundblocks.h"

#include <tparametermemory.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace {

// Locks kept in the settings: one JSON array per voice file, by path.
const QString settingsGroup = QStringLiteral("tools/locks");

const char *const kindNames[] = { "parameter", "block", "element", "drumKey", "pattern" };

QString settingsKey(const QString &path)
{
    // Slashes would make groups of the path.
    return QString::fromLatin1(path.toUtf8().toBase64(QByteArray::Base64UrlEncoding));
}

bool matchesPattern(const QString &pattern, const QStringList &texts)
{
    // '*' stands for any run of characters, slashes included ("ER/Rev Balance").
    QString expression = QRegularExpression::escape(pattern.trimmed());
    expression.replace(QLatin1String("\\*"), QLatin1String(".*"));
    const QRegularExpression re(QRegularExpression::anchoredPattern(expression),
                                QRegularExpression::CaseInsensitiveOption);
    for (const QString &text : texts) {
        if (!text.isEmpty() && re.match(text).hasMatch())
            return true;
    }
    return false;
}

} // namespace

ToolLocks::Lock ToolLocks::parameter(const TParameterMemory &memory, const ParameterRef &ref)
{
    Lock lock;
    lock.kind = Lock::Parameter;
    lock.block = memory.blockWord(ref.high);
    lock.word = memory.parameterWord(ref.high, ref.low);
    lock.part = ref.part;
    return lock;
}

ToolLocks::Lock ToolLocks::block(const QString &id, int part)
{
    Lock lock;
    lock.kind = Lock::Block;
    lock.block = id;
    lock.part = part;
    return lock;
}

ToolLocks::Lock ToolLocks::element(int element)
{
    Lock lock;
    lock.kind = Lock::Element;
    lock.part = element;
    return lock;
}

ToolLocks::Lock ToolLocks::drumKey(int key)
{
    Lock lock;
    lock.kind = Lock::DrumKey;
    lock.part = key;
    return lock;
}

ToolLocks::Lock ToolLocks::pattern(const QString &text)
{
    Lock lock;
    lock.kind = Lock::Pattern;
    lock.pattern = text.trimmed();
    return lock;
}

ToolLocks::ToolLocks(QObject *parent)
    : QObject(parent)
{
}

bool ToolLocks::add(const Lock &lock)
{
    if (m_locks.contains(lock) || (lock.kind == Lock::Pattern && lock.pattern.isEmpty()))
        return false;
    m_locks.append(lock);
    save();
    emit changed();
    return true;
}

bool ToolLocks::remove(const Lock &lock)
{
    if (!m_locks.removeOne(lock))
        return false;
    save();
    emit changed();
    return true;
}

void ToolLocks::clear()
{
    setLocks({});
    save();
}

void ToolLocks::setLocks(const QVector<Lock> &locks)
{
    if (locks == m_locks)
        return;
    m_locks = locks;
    emit changed();
}

bool ToolLocks::isLocked(const TParameterMemory &memory, const ParameterRef &ref) const
{
    return std::any_of(m_locks.cbegin(), m_locks.cend(),
                       [&](const Lock &lock) { return holds(lock, memory, ref); });
}

QVector<ToolLocks::Lock> ToolLocks::locksOn(const TParameterMemory &memory,
                                            const ParameterRef &ref) const
{
    QVector<Lock> found;
    for (const Lock &lock : m_locks) {
        if (holds(lock, memory, ref))
            found.append(lock);
    }
    return found;
}

bool ToolLocks::holds(const Lock &lock, const TParameterMemory &memory, const ParameterRef &ref)
{
    const int parts = memory.partCount(ref.high);
    switch (lock.kind) {
    case Lock::Parameter:
        return lock.part == ref.part && lock.word == memory.parameterWord(ref.high, ref.low)
            && lock.block == memory.blockWord(ref.high);
    case Lock::Block:
        if (lock.part >= 0 && lock.part != ref.part)
            return false;
        if (const SoundBlock *b = SoundBlocks::builtIn().blockOf(memory, ref.high, ref.low))
            return b->id == lock.block;
        return false;
    case Lock::Element:
        return parts == PartNames::elementCount && ref.part == lock.part;
    case Lock::DrumKey:
        return parts == PartNames::drumKeyCount && ref.part == lock.part;
    case Lock::Pattern: {
        const SoundBlock *b = SoundBlocks::builtIn().blockOf(memory, ref.high, ref.low);
        return matchesPattern(lock.pattern,
                              { memory.name(ref), memory.fullName(ref), b ? b->name : QString(),
                                PartNames::partName(parts, ref.part) });
    }
    }
    return false;
}

QString ToolLocks::describe(const TParameterMemory &memory, const Lock &lock)
{
    switch (lock.kind) {
    case Lock::Parameter: {
        quint16 high = 0;
        quint16 low = 0;
        if (!memory.findParameter(QStringLiteral("k%1/k%2").arg(lock.block, lock.word), &high,
                                  &low))
            return lock.word;
        const QString part = PartNames::partName(memory.partCount(high), lock.part);
        const QString name = memory.fullName(high, low, lock.part);
        return part.isEmpty() ? name : tr("%1, %2").arg(name, part);
    }
    case Lock::Block: {
        const SoundBlock *b = SoundBlocks::builtIn().find(lock.block);
        const QString name = b ? b->name : lock.block;
        if (!b || b->scope == SoundBlock::Common)
            return name;
        const int parts = b->scope == SoundBlock::Element ? int(PartNames::elementCount)
                                                          : int(PartNames::drumKeyCount);
        if (lock.part < 0)
            return b->scope == SoundBlock::Element ? tr("%1, every element").arg(name)
                                                   : tr("%1, every key").arg(name);
        return tr("%1, %2").arg(name, PartNames::partName(parts, lock.part));
    }
    case Lock::Element:
        return tr("Element %1").arg(lock.part + 1);
    case Lock::DrumKey:
        return tr("Key %1").arg(PartNames::drumKeyName(lock.part));
    case Lock::Pattern:
        return tr("Names matching \"%1\"").arg(lock.pattern);
    }
    return QString();
}

QJsonArray ToolLocks::toJson() const
{
    QJsonArray array;
    for (const Lock &lock : m_locks) {
        QJsonObject o{ { QStringLiteral("kind"), QLatin1String(kindNames[lock.kind]) } };
        if (!lock.block.isEmpty())
            o.insert(QStringLiteral("block"), lock.block);
        if (!lock.word.isEmpty())
            o.insert(QStringLiteral("word"), lock.word);
        if (lock.kind != Lock::Pattern)
            o.insert(QStringLiteral("part"), lock.part);
        else
            o.insert(QStringLiteral("pattern"), lock.pattern);
        array.append(o);
    }
    return array;
}

QVector<ToolLocks::Lock> ToolLocks::fromJson(const QJsonArray &array)
{
    QVector<Lock> locks;
    for (const QJsonValue &value : array) {
        const QJsonObject o = value.toObject();
        Lock lock;
        const QString kind = o.value(QLatin1String("kind")).toString();
        int k = 0;
        while (k < 5 && kind != QLatin1String(kindNames[k]))
            ++k;
        if (k == 5)
            continue;
        lock.kind = Lock::Kind(k);
        lock.block = o.value(QLatin1String("block")).toString();
        lock.word = o.value(QLatin1String("word")).toString();
        lock.part = o.value(QLatin1String("part")).toInt(-1);
        lock.pattern = o.value(QLatin1String("pattern")).toString();
        if (!locks.contains(lock))
            locks.append(lock);
    }
    return locks;
}

void ToolLocks::setFile(const QString &path)
{
    m_path = path;
    if (path.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(settingsGroup);
    const QVariant kept = settings.value(settingsKey(path));
    settings.endGroup();
    if (kept.isValid())
        setLocks(fromJson(QJsonDocument::fromJson(kept.toByteArray()).array()));
    else
        save();
}

void ToolLocks::save() const
{
    if (m_path.isEmpty())
        return;
    QSettings settings;
    settings.beginGroup(settingsGroup);
    // An empty list is kept as well: the file has no locks, whatever the
    // session has.
    settings.setValue(settingsKey(m_path), QJsonDocument(toJson()).toJson(QJsonDocument::Compact));
}
