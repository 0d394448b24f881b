#include "tparametermemory.h"

#include "parameterschema.h"
#include "tmemproxy.h"
#include "voicefile.h"

#include <QMetaObject>
#include <QRegularExpression>
#include <QSet>
#include <QWidget>

#include <deque>
#include <set>

namespace {

const QString embeddedSchema = QStringLiteral(":/vestra/memapi/content");

// Values of every block, part and parameter.
using Values = std::vector<std::vector<std::vector<int>>>;

quint64 keyOf(int high, int low, int part)
{
    return (quint64(quint16(high)) << 48) | (quint64(quint16(low)) << 32) | quint32(part);
}

// The initial voice: every part's own defaults, and the parameters a type
// governs at the defaults of the part's initial type.
Values defaultsOf(const ParameterSchema::Schema &schema)
{
    Values values(schema.blocks.size());
    for (std::size_t b = 0; b < schema.blocks.size(); ++b) {
        const ParameterSchema::Block &block = schema.blocks[b];
        values[b].resize(std::size_t(block.parts));
        for (int pt = 0; pt < block.parts; ++pt) {
            std::vector<int> &part = values[b][std::size_t(pt)];
            for (const ParameterSchema::Parameter &p : block.parameters)
                part.push_back(p.defaultFor(pt));
            if (block.typeRules.empty())
                continue;
            const std::vector<int> base = part;
            for (std::size_t p = 0; p < part.size(); ++p)
                part[p] = schema.effective(int(b), int(p), base, pt).defaultValue;
        }
    }
    return values;
}

} // namespace

class TParameterMemory::Private
{
public:
    // Shared by every memory that loaded the same content: a schema never
    // changes once parsed.
    std::shared_ptr<const ParameterSchema::Schema> parsed = std::make_shared<ParameterSchema::Schema>();
    const ParameterSchema::Schema &schema() const { return *parsed; }
    QString schemaSource;
    Values edit;
    Values stored;
    bool compare = false;
    QPointer<QObject> voiceData;
    int drumKey = 0;
    int voiceType = 1;
    QHash<quint64, QList<TMemProxy *>> bound;
    QSet<TMemProxy *> proxies;
    // Changes waiting to be delivered while a delivery runs.
    std::deque<quint64> pending;
    bool delivering = false;
    // The edit group running (beginEdit()): its depth, whether it is
    // recorded, what it reported, and the parts of its type changes as they
    // were before.
    int editDepth = 0;
    bool recording = true;
    QSet<quint64> reported;
    struct Snapshot
    {
        quint16 high;
        int part;
        std::vector<int> values;
    };
    std::vector<Snapshot> snapshots;
    bool clipboardFull = false;
    int clipboardHigh = 0, clipboardLow = 0, clipboardValue = 0;

    bool known(int high, int low, int part) const
    {
        return high >= 0 && std::size_t(high) < schema().blocks.size() && low >= 0
               && std::size_t(low) < schema().blocks[std::size_t(high)].parameters.size()
               && part >= 0 && part < schema().blocks[std::size_t(high)].parts;
    }
    const Values &shown() const { return compare ? stored : edit; }
    ParameterSchema::Parameter effective(int high, int low, int part) const
    {
        return schema().effective(high, low, shown()[std::size_t(high)][std::size_t(part)], part);
    }
};

TParameterMemory::TParameterMemory(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    QString error;
    if (!loadSchema(embeddedSchema, &error))
        qWarning("%s", qPrintable(error));
}

TParameterMemory::~TParameterMemory()
{
    for (TMemProxy *proxy : std::as_const(d->proxies)) {
        proxy->m_memory = nullptr;
        proxy->m_bound = false;
    }
}

bool TParameterMemory::loadSchema(const QString &path, QString *error)
{
    // The embedded content is parsed once per process.
    static std::shared_ptr<const ParameterSchema::Schema> embedded;
    std::shared_ptr<const ParameterSchema::Schema> schema = path == embeddedSchema ? embedded : nullptr;
    if (!schema) {
        auto parsed = std::make_shared<ParameterSchema::Schema>();
        QString why;
        if (!parsed->load(path, &why)) {
            if (error)
                *error = why;
            return false;
        }
        schema = std::move(parsed);
        if (path == embeddedSchema)
            embedded = schema;
    }
    d->parsed = std::move(schema);
    d->schemaSource = path;
    d->edit = defaultsOf(d->schema());
    d->stored = d->edit;
    for (TMemProxy *proxy : std::as_const(d->proxies))
        bindProxy(proxy, proxy->m_channel);
    return true;
}

QString TParameterMemory::schemaSource() const
{
    return d->schemaSource;
}

void TParameterMemory::setVoiceData(QObject *voiceData)
{
    d->voiceData = voiceData;
}

int TParameterMemory::blockCount() const
{
    return int(d->schema().blocks.size());
}

QString TParameterMemory::blockWord(int high) const
{
    return high >= 0 && high < blockCount() ? d->schema().blocks[std::size_t(high)].word : QString();
}

int TParameterMemory::blockVoiceType(int high) const
{
    return high >= 0 && high < blockCount() ? d->schema().blocks[std::size_t(high)].voiceType : 0;
}

int TParameterMemory::partCount(int high) const
{
    return high >= 0 && high < blockCount() ? d->schema().blocks[std::size_t(high)].parts : 0;
}

int TParameterMemory::parameterCount(int high) const
{
    return high >= 0 && high < blockCount()
               ? int(d->schema().blocks[std::size_t(high)].parameters.size()) : 0;
}

QString TParameterMemory::parameterWord(int high, int low) const
{
    if (!d->known(high, low, 0))
        return QString();
    return d->schema().blocks[std::size_t(high)].parameters[std::size_t(low)].word;
}

QString TParameterMemory::parameterPath(int high, int low) const
{
    if (!d->known(high, low, 0))
        return QString();
    return QStringLiteral("k%1/k%2").arg(blockWord(high), parameterWord(high, low));
}

bool TParameterMemory::findParameter(const QString &address, quint16 *high, quint16 *low,
                                     int *fixedPart) const
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:([0-9a-fA-F]{2}))?k([A-Za-z0-9]+)/k([A-Za-z0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(address);
    if (!match.hasMatch())
        return false;
    const int b = d->schema().index.value(match.captured(2), -1);
    if (b < 0)
        return false;
    const int p = d->schema().blocks[std::size_t(b)].index.value(match.captured(3), -1);
    if (p < 0)
        return false;
    if (high)
        *high = quint16(b);
    if (low)
        *low = quint16(p);
    if (fixedPart) {
        *fixedPart = -1;
        if (match.hasCaptured(1) && !match.captured(1).isEmpty()) {
            const int digits = match.captured(1).toInt(nullptr, 16);
            if (digits < 0x80)
                *fixedPart = digits / 16;
        }
    }
    return true;
}

QStringList TParameterMemory::schemaListing() const
{
    const Values initial = defaultsOf(d->schema());
    QStringList lines;
    for (int b = 0; b < blockCount(); ++b) {
        for (int p = 0; p < parameterCount(b); ++p) {
            const ParameterSchema::Parameter e = d->schema().effective(b, p, initial[std::size_t(b)][0], 0);
            lines << QStringList{ parameterPath(b, p), e.name, QString::number(e.minimum),
                                  QString::number(e.maximum), e.format.text(e.minimum, e.minimum),
                                  e.format.text(e.maximum, e.minimum),
                                  e.format.text(e.defaultValue, e.minimum) }
                         .join(QLatin1Char('\t'));
        }
    }
    return lines;
}

QStringList TParameterMemory::typeListing() const
{
    const Values initial = defaultsOf(d->schema());
    QStringList lines;
    for (int b = 0; b < blockCount(); ++b) {
        const ParameterSchema::Block &block = d->schema().blocks[std::size_t(b)];
        for (const ParameterSchema::TypeRule &rule : block.typeRules) {
            // The parameters the type governs: those any of its values changes.
            std::set<int> governed;
            for (const auto &variant : rule.variants)
                for (const auto &o : variant.second)
                    governed.insert(o.first);
            const ParameterSchema::Parameter type = d->schema().effective(b, rule.typeParameter,
                                                                        initial[std::size_t(b)][0], 0);
            for (int t = type.minimum; t <= type.maximum; ++t) {
                std::vector<int> values = initial[std::size_t(b)][0];
                values[std::size_t(rule.typeParameter)] = t;
                for (int p : governed) {
                    const ParameterSchema::Parameter e = d->schema().effective(b, p, values, 0);
                    if (!e.inUse)
                        continue;
                    lines << QStringList{ parameterPath(b, rule.typeParameter), QString::number(t),
                                          type.format.text(t, type.minimum), parameterPath(b, p), e.name,
                                          e.format.text(e.minimum, e.minimum),
                                          e.format.text(e.maximum, e.minimum),
                                          e.format.text(e.defaultValue, e.minimum) }
                                 .join(QLatin1Char('\t'));
                }
            }
        }
    }
    return lines;
}

int TParameterMemory::value(quint16 high, quint16 low, int part) const
{
    if (!d->known(high, low, part))
        return 0;
    const ParameterSchema::Parameter e = d->effective(high, low, part);
    return qBound(e.minimum, d->shown()[high][std::size_t(part)][low], e.maximum);
}

bool TParameterMemory::setValue(quint16 high, quint16 low, int part, int v)
{
    if (!d->known(high, low, part))
        return false;
    if (d->compare) {
        emit editRefused(high, low, part, v);
        return false;
    }
    const ParameterSchema::Parameter e = d->effective(high, low, part);
    v = qBound(e.minimum, v, e.maximum);
    int &slot = d->edit[high][std::size_t(part)][low];
    if (slot == v)
        return false;
    beginEdit();
    const bool typeChange = d->schema().isTypeParameter(high, low);
    if (typeChange && d->recording) {
        // Changes a type change makes to its part without setValue() are
        // found by comparing the part afterwards.
        bool taken = false;
        for (const Private::Snapshot &s : d->snapshots)
            taken = taken || (s.high == high && s.part == part);
        if (!taken)
            d->snapshots.push_back({ high, part, d->edit[high][std::size_t(part)] });
    }
    const int old = slot;
    slot = v;
    if (typeChange)
        applyType(high, low, part, v);
    queueChange(high, low, part);
    if (d->recording) {
        d->reported.insert(keyOf(high, low, part));
        emit valueEdited(high, low, part, old, v);
    }
    endEdit();
    return true;
}

void TParameterMemory::applyType(quint16 high, quint16 low, int part, int type)
{
    std::vector<int> &values = d->edit[high][std::size_t(part)];
    // An effect's parameters take the defaults of its new type.
    for (const ParameterSchema::TypeRule &rule : d->schema().blocks[high].typeRules) {
        const auto variant = rule.typeParameter == low && rule.resetsValues ? rule.variants.find(type)
                                                                           : rule.variants.end();
        if (variant == rule.variants.end())
            continue;
        for (const auto &o : variant->second) {
            if (o.second.defaultValue)
                values[std::size_t(o.first)] = *o.second.defaultValue;
        }
    }
    // Every other value keeps within the range the new type gives it, so
    // that what the memory holds is always a voice it can save and load.
    for (int p = 0; p < int(values.size()); ++p) {
        const ParameterSchema::Parameter e = d->effective(high, quint16(p), part);
        values[std::size_t(p)] = qBound(e.minimum, values[std::size_t(p)], e.maximum);
    }
}

void TParameterMemory::queueChange(quint16 high, quint16 low, int part)
{
    d->pending.push_back(keyOf(high, low, part));
    if (d->schema().isTypeParameter(high, low)) {
        // Other parameters of the part may read differently now.
        for (int p = 0; p < parameterCount(high); ++p) {
            if (p != low)
                d->pending.push_back(keyOf(high, p, part));
        }
        emit blockLayoutChanged(high, part);
    }
}

void TParameterMemory::beginEdit(bool recorded)
{
    if (d->editDepth++ > 0)
        return;
    d->recording = recorded;
    emit editGroupBegun();
}

void TParameterMemory::endEdit()
{
    if (d->editDepth == 0)
        return;
    if (d->editDepth > 1 || d->delivering) {
        --d->editDepth;
        return;
    }
    // Deliver iteratively, still inside the group: a write made while a
    // change is delivered joins the queue instead of recursing. A runaway
    // chain of writes stops after a bounded number of deliveries.
    d->delivering = true;
    int budget = 100000;
    while (!d->pending.empty() && budget-- > 0) {
        const quint64 key = d->pending.front();
        d->pending.pop_front();
        const int h = int(key >> 48), l = int((key >> 32) & 0xFFFF), pt = int(quint32(key));
        const int shownValue = value(quint16(h), quint16(l), pt);
        const QList<TMemProxy *> listeners = d->bound.value(key);
        for (TMemProxy *proxy : listeners) {
            if (d->bound.value(key).contains(proxy))
                proxy->memoryValueChanged(shownValue);
        }
        emit parameterChanged(quint16(h), quint16(l), pt, shownValue);
    }
    d->pending.clear();
    if (d->recording) {
        for (const Private::Snapshot &s : d->snapshots) {
            const std::vector<int> &now = d->edit[s.high][std::size_t(s.part)];
            for (std::size_t p = 0; p < now.size(); ++p) {
                if (now[p] != s.values[p] && !d->reported.contains(keyOf(s.high, int(p), s.part)))
                    emit valueEdited(s.high, quint16(p), s.part, s.values[p], now[p]);
            }
        }
    }
    d->snapshots.clear();
    d->reported.clear();
    d->delivering = false;
    d->recording = true;
    d->editDepth = 0;
    emit editGroupEnded();
}

bool TParameterMemory::restoreValue(quint16 high, quint16 low, int part, int v)
{
    if (d->compare || !d->known(high, low, part))
        return false;
    int &slot = d->edit[high][std::size_t(part)][low];
    if (slot == v)
        return false;
    beginEdit(false);
    slot = v;
    queueChange(high, low, part);
    endEdit();
    return true;
}

int TParameterMemory::minimum(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part) ? d->effective(high, low, part).minimum : 0;
}

int TParameterMemory::maximum(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part) ? d->effective(high, low, part).maximum : 0;
}

int TParameterMemory::defaultValue(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part) ? d->effective(high, low, part).defaultValue : 0;
}

QString TParameterMemory::valueText(quint16 high, quint16 low, int part, int v) const
{
    if (!d->known(high, low, part))
        return QString();
    const ParameterSchema::Parameter e = d->effective(high, low, part);
    return e.format.text(v, e.minimum);
}

QString TParameterMemory::name(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part) ? d->effective(high, low, part).name : QString();
}

QString TParameterMemory::fullName(quint16 high, quint16 low, int part) const
{
    if (!d->known(high, low, part))
        return QString();
    const ParameterSchema::Parameter e = d->effective(high, low, part);
    return e.fullName.isEmpty() ? e.name : e.fullName;
}

bool TParameterMemory::inUse(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part) && d->effective(high, low, part).inUse;
}

bool TParameterMemory::isKnown(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part);
}

bool TParameterMemory::isTypeParameter(quint16 high, quint16 low) const
{
    return d->known(high, low, 0) && d->schema().isTypeParameter(high, low);
}

namespace {
int partOf(int fixedPart, int part)
{
    return fixedPart >= 0 ? fixedPart : part;
}
} // namespace

int TParameterMemory::value(const QString &address, int part) const
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) ? value(h, l, partOf(fixed, part)) : 0;
}

bool TParameterMemory::setValue(const QString &address, int part, int v)
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) && setValue(h, l, partOf(fixed, part), v);
}

QString TParameterMemory::valueText(const QString &address, int part, int v) const
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) ? valueText(h, l, partOf(fixed, part), v) : QString();
}

QString TParameterMemory::name(const QString &address, int part) const
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) ? name(h, l, partOf(fixed, part)) : QString();
}

QString TParameterMemory::fullName(const QString &address, int part) const
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) ? fullName(h, l, partOf(fixed, part)) : QString();
}

bool TParameterMemory::inUse(const QString &address, int part) const
{
    quint16 h = 0, l = 0;
    int fixed = -1;
    return findParameter(address, &h, &l, &fixed) && inUse(h, l, partOf(fixed, part));
}

// ---- Voices.

namespace {

void refreshAll(TParameterMemory *memory, const QSet<TMemProxy *> proxies)
{
    Q_UNUSED(memory);
    for (TMemProxy *proxy : proxies)
        proxy->process(nullptr, 0, 0);
}

} // namespace

void TParameterMemory::resetToDefaults()
{
    const Values before = d->shown();
    d->edit = defaultsOf(d->schema());
    d->stored = d->edit;
    for (std::size_t b = 0; b < before.size(); ++b)
        for (std::size_t pt = 0; pt < before[b].size(); ++pt)
            for (std::size_t p = 0; p < before[b][pt].size(); ++p)
                if (before[b][pt][p] != d->edit[b][pt][p])
                    emit parameterChanged(quint16(b), quint16(p), int(pt), d->edit[b][pt][p]);
    refreshAll(this, d->proxies);
    emit editBufferLoaded(short(d->voiceType), 0);
}

void TParameterMemory::storeVoice()
{
    const Values before = d->shown();
    d->stored = d->edit;
    if (d->compare) {
        for (std::size_t b = 0; b < before.size(); ++b)
            for (std::size_t pt = 0; pt < before[b].size(); ++pt)
                for (std::size_t p = 0; p < before[b][pt].size(); ++p)
                    if (before[b][pt][p] != d->stored[b][pt][p])
                        emit parameterChanged(quint16(b), quint16(p), int(pt), d->stored[b][pt][p]);
        refreshAll(this, d->proxies);
    }
    emit storedVoiceChanged();
}

int TParameterMemory::storedValue(quint16 high, quint16 low, int part) const
{
    if (!d->known(high, low, part))
        return 0;
    const ParameterSchema::Parameter e
        = d->schema().effective(high, low, d->stored[high][std::size_t(part)], part);
    return qBound(e.minimum, d->stored[high][std::size_t(part)][low], e.maximum);
}

bool TParameterMemory::differsFromStored(quint16 high, quint16 low, int part) const
{
    return d->known(high, low, part)
           && d->edit[high][std::size_t(part)][low] != d->stored[high][std::size_t(part)][low];
}

bool TParameterMemory::loadVoice(const QString &path, QString *error)
{
    VoiceFile::Voice voice;
    if (!VoiceFile::read(path, d->schema(), &voice, error))
        return false;
    const Values &loaded = voice.values;
    const int type = voice.voiceType;

    const Values before = d->shown();
    d->edit = loaded;
    d->stored = loaded;
    d->voiceType = type;
    for (std::size_t b = 0; b < loaded.size(); ++b)
        for (std::size_t pt = 0; pt < loaded[b].size(); ++pt)
            for (std::size_t p = 0; p < loaded[b][pt].size(); ++p)
                if (before[b][pt][p] != loaded[b][pt][p])
                    emit parameterChanged(quint16(b), quint16(p), int(pt), loaded[b][pt][p]);
    refreshAll(this, d->proxies);
    emit editBufferLoaded(short(type), 0);
    return true;
}

bool TParameterMemory::saveVoice(const QString &path, QString *error) const
{
    return VoiceFile::write(path, VoiceFile::encode(d->schema(), d->voiceType, d->edit), error);
}

int TParameterMemory::voiceType() const
{
    return d->voiceType;
}

QString TParameterMemory::drumKeyName(int key)
{
    // Key 0 is note 24, C0 where note 60 is C3: named as every note is.
    ParameterSchema::ValueFormat note;
    note.kind = ParameterSchema::ValueFormat::Note;
    return note.text(24 + key, 0);
}

QString TParameterMemory::partName(int parts, int part)
{
    if (parts == DrumKeyCount)
        return QStringLiteral("key ") + drumKeyName(part);
    if (parts == ElementCount)
        return QStringLiteral("element %1").arg(part + 1);
    if (parts > 1)
        return QStringLiteral("part %1").arg(part + 1);
    return QString();
}

void TParameterMemory::setVoiceType(int type)
{
    if (type >= 1 && type <= 3)
        d->voiceType = type;
}

void TParameterMemory::setCompareMode(bool on)
{
    if (d->compare == on)
        return;
    const Values before = d->shown();
    d->compare = on;
    const Values &after = d->shown();
    for (std::size_t b = 0; b < after.size(); ++b)
        for (std::size_t pt = 0; pt < after[b].size(); ++pt)
            for (std::size_t p = 0; p < after[b][pt].size(); ++p)
                if (before[b][pt][p] != after[b][pt][p])
                    emit parameterChanged(quint16(b), quint16(p), int(pt), after[b][pt][p]);
    refreshAll(this, d->proxies);
    emit enterCompareMode(on);
}

bool TParameterMemory::compareMode() const
{
    return d->compare;
}

void TParameterMemory::setCurrentDrumKey(int key)
{
    key = qBound(0, key, int(DrumKeyCount) - 1);
    if (key == d->drumKey)
        return;
    d->drumKey = key;
    emit signalDrumKeyNoteChange(key);
}

int TParameterMemory::currentDrumKey() const
{
    return d->drumKey;
}

void TParameterMemory::copyToClipboard(quint16 high, quint16 low, int part)
{
    if (!d->known(high, low, part))
        return;
    d->clipboardFull = true;
    d->clipboardHigh = high;
    d->clipboardLow = low;
    d->clipboardValue = value(high, low, part);
}

bool TParameterMemory::pasteFromClipboard(quint16 high, quint16 low, int part)
{
    if (!d->clipboardFull || d->clipboardHigh != high || d->clipboardLow != low)
        return false;
    return setValue(high, low, part, d->clipboardValue);
}

// ---- IMemAPI.

QObject *TParameterMemory::voiceData()
{
    return d->voiceData;
}

IMemAPI::TResolvedAddress TParameterMemory::resolveAddress(const QString &address)
{
    static const QRegularExpression pattern(QStringLiteral("^[0-9a-fA-F][0-9a-fA-F]k.*\\/k"));
    TResolvedAddress resolved;
    quint16 high = 0, low = 0;
    int fixed = -1;
    if (!pattern.match(address).hasMatch() || !findParameter(address, &high, &low, &fixed))
        return resolved;
    resolved.count = 1;
    resolved.addresses = new TSingleAddress[1];
    resolved.addresses[0].high = high;
    resolved.addresses[0].low = low;
    resolved.addresses[0].part = fixed >= 0 ? quint16(fixed) : quint16(0xFFFE);
    return resolved;
}

void TParameterMemory::assignEditChannel(QWidget *dialog, int channel)
{
    if (!dialog)
        return;
    const QList<QObject *> descendants = dialog->findChildren<QObject *>();
    for (QObject *object : descendants) {
        if (auto *proxy = dynamic_cast<TMemProxy *>(object))
            proxy->connectMemAPI(this, channel);
    }
}

int TParameterMemory::parameterText(quint16 part, int kind, QString &text, QPixmap &pixmap,
                                    int value, int reserved, quint16 high, quint16 low)
{
    Q_UNUSED(pixmap);
    Q_UNUSED(reserved);
    int p = qint16(part) < 0 ? 0 : part;
    if (d->known(high, low, 0) && p >= partCount(high))
        p = 0;
    if (!d->known(high, low, p))
        return 1;
    text = kind == NameText ? name(high, low, p) : valueText(high, low, p, value);
    return 0;
}

bool TParameterMemory::connectSignal(const char *signal, QObject *receiver, const char *member,
                                     bool unique)
{
    if (!signal || !member || !receiver || !*signal || !*member)
        return false;
    const QByteArray signalSignature = QMetaObject::normalizedSignature(signal + 1);
    const QByteArray memberSignature = QMetaObject::normalizedSignature(member + 1);
    if (metaObject()->indexOfSignal(signalSignature.constData()) < 0
        || receiver->metaObject()->indexOfMethod(memberSignature.constData()) < 0)
        return false;
    return bool(QObject::connect(this, signal, receiver, member,
                                 unique ? Qt::UniqueConnection : Qt::AutoConnection));
}

// ---- Binding, for TMemProxy.

bool TParameterMemory::bindProxy(TMemProxy *proxy, int channel)
{
    unbindProxy(proxy);
    d->proxies.insert(proxy);
    proxy->m_memory = this;
    proxy->m_channel = channel;
    quint16 high = 0, low = 0;
    int fixed = -1;
    if (proxy->m_address.isEmpty() || !findParameter(proxy->m_address, &high, &low, &fixed)) {
        proxy->m_bound = false;
        return false;
    }
    int part = fixed >= 0 ? fixed : channel;
    if (partCount(high) == 1 && fixed < 0)
        part = 0;
    if (!d->known(high, low, part)) {
        proxy->m_bound = false;
        return false;
    }
    proxy->m_bound = true;
    proxy->m_part = part;
    proxy->m_triple->high = high;
    proxy->m_triple->low = low;
    proxy->m_triple->part = quint16(part);
    d->bound[keyOf(high, low, part)].append(proxy);
    proxy->memoryValueChanged(value(high, low, part));
    return true;
}

void TParameterMemory::unbindProxy(TMemProxy *proxy)
{
    if (proxy->m_bound) {
        const quint64 key = keyOf(proxy->m_triple->high, proxy->m_triple->low, proxy->m_part);
        auto it = d->bound.find(key);
        if (it != d->bound.end()) {
            it->removeAll(proxy);
            if (it->isEmpty())
                d->bound.erase(it);
        }
        proxy->m_bound = false;
    }
}

void TParameterMemory::forgetProxy(TMemProxy *proxy)
{
    unbindProxy(proxy);
    d->proxies.remove(proxy);
}
