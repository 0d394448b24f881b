#include "tparametermemory.h"

#include "tparametermemory_p.h"
#include "tmemproxy.h"

TParameterMemory::TParameterMemory(QObject *parent)
    : QObject(parent)
    , d(std::make_unique<Private>())
{
    d->edit.values = d->schema().initialValues();
    d->stored = d->edit.values;
}

TParameterMemory::~TParameterMemory()
{
    for (TMemProxy *proxy : d->controls.all()) {
        proxy->m_memory = nullptr;
        proxy->m_bound = false;
    }
}

bool TParameterMemory::loadSchema(const QString &path, QString *error)
{
    std::shared_ptr<const ParameterSchema::Schema> schema;
    if (path == QLatin1String(ParameterSchema::embeddedPath)) {
        schema = ParameterSchema::embedded();
    } else {
        auto parsed = std::make_shared<ParameterSchema::Schema>();
        QString why;
        if (!parsed->load(path, &why)) {
            if (error)
                *error = why;
            return false;
        }
        schema = std::move(parsed);
    }
    d->parsed = std::move(schema);
    d->schemaSource = path;
    d->edit.values = d->schema().initialValues();
    d->stored = d->edit.values;
    for (TMemProxy *proxy : d->controls.all())
        bindProxy(proxy, proxy->m_channel);
    return true;
}

QString TParameterMemory::schemaSource() const
{
    return d->schemaSource;
}

const ParameterSchema::Schema &TParameterMemory::schema() const
{
    return d->schema();
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
    return high >= 0 && high < blockCount() ? d->schema().blocks[std::size_t(high)].word
                                            : QString();
}

VoiceType TParameterMemory::blockVoiceType(int high) const
{
    return high >= 0 && high < blockCount()
        ? VoiceType(d->schema().blocks[std::size_t(high)].voiceType)
        : VoiceType::Normal;
}

int TParameterMemory::partCount(int high) const
{
    return high >= 0 && high < blockCount() ? d->schema().blocks[std::size_t(high)].parts : 0;
}

int TParameterMemory::parameterCount(int high) const
{
    return high >= 0 && high < blockCount()
        ? int(d->schema().blocks[std::size_t(high)].parameters.size())
        : 0;
}

QString TParameterMemory::parameterWord(int high, int low) const
{
    return d->known({ quint16(high), quint16(low), 0 }) && high >= 0 && low >= 0
        ? d->schema().blocks[std::size_t(high)].parameters[std::size_t(low)].word
        : QString();
}

QString TParameterMemory::parameterPath(int high, int low) const
{
    return d->schema().path(high, low);
}

bool TParameterMemory::findParameter(const QString &address, quint16 *high, quint16 *low,
                                     int *fixedPart) const
{
    return d->schema().find(address, high, low, fixedPart);
}

std::optional<ParameterRef> TParameterMemory::resolve(const QString &address, int part) const
{
    ParameterRef ref;
    int fixed = -1;
    if (!d->schema().find(address, &ref.high, &ref.low, &fixed))
        return std::nullopt;
    ref.part = fixed >= 0 ? fixed : partCount(ref.high) == 1 ? 0 : part;
    if (!d->known(ref))
        return std::nullopt;
    return ref;
}

int TParameterMemory::value(const ParameterRef &ref) const
{
    if (!d->known(ref))
        return 0;
    const ParameterSchema::Parameter e = d->effective(ref);
    return qBound(e.minimum, d->shown()[ref.high][std::size_t(ref.part)][ref.low], e.maximum);
}

bool TParameterMemory::setValue(const ParameterRef &ref, int v)
{
    if (!d->known(ref))
        return false;
    if (d->compare) {
        emit editRefused(ref.high, ref.low, ref.part, v);
        return false;
    }
    const ParameterSchema::Parameter e = d->effective(ref);
    v = qBound(e.minimum, v, e.maximum);
    int &slot = d->editSlot(ref);
    if (slot == v)
        return false;
    beginEdit();
    const bool typeChange = d->schema().isTypeParameter(ref.high, ref.low);
    if (typeChange && d->recording) {
        // Changes a type change makes to its part without setValue() are
        // found by comparing the part afterwards.
        const bool taken =
            std::any_of(d->snapshots.begin(), d->snapshots.end(),
                        [&](const auto &s) { return s.high == ref.high && s.part == ref.part; });
        if (!taken)
            d->snapshots.push_back(
                { ref.high, ref.part, d->edit.values[ref.high][std::size_t(ref.part)] });
    }
    int old = slot;
    // A value a type change of this group already changed (an effect row
    // reset to the new type's default) is reported from what it was before
    // the group, so that undoing the group brings that back.
    if (d->recording && !d->reported.contains(ref)) {
        for (const Private::Snapshot &s : d->snapshots) {
            if (s.high == ref.high && s.part == ref.part)
                old = s.values[ref.low];
        }
    }
    slot = v;
    if (typeChange)
        applyType(ref, v);
    queueChange(ref);
    if (d->recording && old != v) {
        d->reported.insert(ref);
        emit valueEdited(ref.high, ref.low, ref.part, old, v);
    }
    endEdit();
    return true;
}

void TParameterMemory::applyType(const ParameterRef &ref, int type)
{
    std::vector<int> &values = d->edit.values[ref.high][std::size_t(ref.part)];
    // An effect's parameters take the defaults of its new type.
    for (const ParameterSchema::TypeRule &rule : d->schema().blocks[ref.high].typeRules) {
        const auto variant = rule.typeParameter == ref.low && rule.resetsValues
            ? rule.variants.find(type)
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
    for (std::size_t p = 0; p < values.size(); ++p) {
        const ParameterSchema::Parameter e =
            d->schema().effective(ref.high, int(p), values, ref.part);
        values[p] = qBound(e.minimum, values[p], e.maximum);
    }
}

void TParameterMemory::queueChange(const ParameterRef &ref)
{
    d->pending.push_back(ref);
    if (d->schema().isTypeParameter(ref.high, ref.low)) {
        // Other parameters of the part may read differently now.
        for (int p = 0; p < parameterCount(ref.high); ++p) {
            if (p != ref.low)
                d->pending.push_back({ ref.high, quint16(p), ref.part });
        }
        emit blockLayoutChanged(ref.high, ref.part);
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
        const ParameterRef ref = d->pending.front();
        d->pending.pop_front();
        const int shownValue = value(ref);
        const QList<TMemProxy *> listeners = d->controls.at(ref);
        for (TMemProxy *proxy : listeners) {
            if (d->controls.shows(proxy, ref))
                proxy->memoryValueChanged(shownValue);
        }
        emit parameterChanged(ref.high, ref.low, ref.part, shownValue);
    }
    d->pending.clear();
    if (d->recording) {
        for (const Private::Snapshot &s : d->snapshots) {
            const std::vector<int> &now = d->edit.values[s.high][std::size_t(s.part)];
            for (std::size_t p = 0; p < now.size(); ++p) {
                if (now[p] != s.values[p] && !d->reported.contains({ s.high, quint16(p), s.part }))
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

bool TParameterMemory::restoreValue(const ParameterRef &ref, int v)
{
    if (d->compare || !d->known(ref))
        return false;
    int &slot = d->editSlot(ref);
    if (slot == v)
        return false;
    beginEdit(false);
    slot = v;
    queueChange(ref);
    endEdit();
    return true;
}

int TParameterMemory::minimum(const ParameterRef &ref) const
{
    return d->known(ref) ? d->effective(ref).minimum : 0;
}

int TParameterMemory::maximum(const ParameterRef &ref) const
{
    return d->known(ref) ? d->effective(ref).maximum : 0;
}

int TParameterMemory::defaultValue(const ParameterRef &ref) const
{
    return d->known(ref) ? d->effective(ref).defaultValue : 0;
}

QString TParameterMemory::valueText(const ParameterRef &ref, int v) const
{
    if (!d->known(ref))
        return QString();
    const ParameterSchema::Parameter e = d->effective(ref);
    return e.format.text(v, e.minimum);
}

QString TParameterMemory::name(const ParameterRef &ref) const
{
    return d->known(ref) ? d->effective(ref).name : QString();
}

QString TParameterMemory::fullName(const ParameterRef &ref) const
{
    if (!d->known(ref))
        return QString();
    const ParameterSchema::Parameter e = d->effective(ref);
    return e.fullName.isEmpty() ? e.name : e.fullName;
}

bool TParameterMemory::inUse(const ParameterRef &ref) const
{
    return d->known(ref) && d->effective(ref).inUse;
}

bool TParameterMemory::isKnown(const ParameterRef &ref) const
{
    return d->known(ref);
}

bool TParameterMemory::isTypeParameter(quint16 high, quint16 low) const
{
    return d->known({ high, low, 0 }) && d->schema().isTypeParameter(high, low);
}

// The by-address operations: the same as by numbers, on the value the
// address resolves to; `fallback` for an address the memory does not know.
namespace {
template <typename Result, typename Operation>
Result byAddress(const TParameterMemory *memory, const QString &address, int part, Result fallback,
                 Operation operation)
{
    const std::optional<ParameterRef> ref = memory->resolve(address, part);
    return ref ? operation(*ref) : fallback;
}
} // namespace

int TParameterMemory::value(const QString &address, int part) const
{
    return byAddress(this, address, part, 0, [this](const ParameterRef &r) { return value(r); });
}

bool TParameterMemory::setValue(const QString &address, int part, int v)
{
    return byAddress(this, address, part, false,
                     [&](const ParameterRef &r) { return setValue(r, v); });
}

QString TParameterMemory::valueText(const QString &address, int part, int v) const
{
    return byAddress(this, address, part, QString(),
                     [&](const ParameterRef &r) { return valueText(r, v); });
}

QString TParameterMemory::name(const QString &address, int part) const
{
    return byAddress(this, address, part, QString(),
                     [this](const ParameterRef &r) { return name(r); });
}

QString TParameterMemory::fullName(const QString &address, int part) const
{
    return byAddress(this, address, part, QString(),
                     [this](const ParameterRef &r) { return fullName(r); });
}

bool TParameterMemory::inUse(const QString &address, int part) const
{
    return byAddress(this, address, part, false,
                     [this](const ParameterRef &r) { return inUse(r); });
}

// ---- Whole voices.

void TParameterMemory::announceShownSince(const Values &before)
{
    const Values &now = d->shown();
    for (const ParameterRef &ref : differences(before, now)) {
        if (d->known(ref))
            emit parameterChanged(ref.high, ref.low, ref.part,
                                  now[ref.high][std::size_t(ref.part)][ref.low]);
    }
    for (TMemProxy *proxy : d->controls.all())
        proxy->process(nullptr, 0, 0);
}

Voice TParameterMemory::voice() const
{
    return d->edit;
}

Voice TParameterMemory::storedVoice() const
{
    Voice stored = d->edit;
    stored.values = d->stored;
    return stored;
}

void TParameterMemory::setVoice(const Voice &voice)
{
    const Values before = d->shown();
    const VoiceType oldType = d->edit.type;
    // Whatever the voice holds, the memory keeps the schema's shape.
    Values values = d->schema().initialValues();
    for (const ParameterRef &ref : differences(values, voice.values)) {
        if (d->known(ref) && voice.holds(ref))
            values[ref.high][std::size_t(ref.part)][ref.low] = voice.value(ref);
    }
    d->edit = voice;
    d->edit.values = std::move(values);
    d->edit.name = Voice::fittedName(voice.name);
    if (!isVoiceTypeNumber(int(voice.type)))
        d->edit.type = VoiceType::Normal;
    d->stored = d->edit.values;
    announceShownSince(before);
    if (d->edit.type != oldType)
        emit voiceTypeChanged(d->edit.type);
    emit voiceHeadChanged();
    emit editBufferLoaded(short(d->edit.type), 0);
}

Voice TParameterMemory::initialVoice(VoiceType type) const
{
    Voice voice;
    voice.type = type;
    voice.values = d->schema().initialValues();
    return voice;
}

void TParameterMemory::resetToDefaults()
{
    setVoice(initialVoice());
}

void TParameterMemory::storeVoice()
{
    const Values before = d->shown();
    d->stored = d->edit.values;
    if (d->compare)
        announceShownSince(before);
    emit storedVoiceChanged();
}

int TParameterMemory::storedValue(const ParameterRef &ref) const
{
    if (!d->known(ref))
        return 0;
    const ParameterSchema::Parameter e = d->effective(ref, d->stored);
    return qBound(e.minimum, d->stored[ref.high][std::size_t(ref.part)][ref.low], e.maximum);
}

bool TParameterMemory::differsFromStored(const ParameterRef &ref) const
{
    return d->known(ref)
        && d->edit.values[ref.high][std::size_t(ref.part)][ref.low]
        != d->stored[ref.high][std::size_t(ref.part)][ref.low];
}

VoiceType TParameterMemory::voiceType() const
{
    return d->edit.type;
}

void TParameterMemory::setVoiceType(VoiceType type)
{
    if (!isVoiceTypeNumber(int(type)) || type == d->edit.type)
        return;
    d->edit.type = type;
    emit voiceTypeChanged(type);
}

QString TParameterMemory::voiceName() const
{
    return d->edit.name;
}

bool TParameterMemory::setVoiceName(const QString &name)
{
    const QString fitted = Voice::fittedName(name);
    if (fitted == d->edit.name)
        return false;
    d->edit.name = fitted;
    emit voiceHeadChanged();
    return true;
}

QString TParameterMemory::voiceCategory() const
{
    return d->edit.category;
}

bool TParameterMemory::setVoiceCategory(const QString &category)
{
    if (category == d->edit.category
        || (!category.isEmpty() && !Voice::categories().contains(category)))
        return false;
    d->edit.category = category;
    emit voiceHeadChanged();
    return true;
}

QString TParameterMemory::voiceComment() const
{
    return d->edit.comment;
}

bool TParameterMemory::setVoiceComment(const QString &comment)
{
    if (comment == d->edit.comment)
        return false;
    d->edit.comment = comment;
    emit voiceHeadChanged();
    return true;
}

QStringList TParameterMemory::voiceTags() const
{
    return d->edit.tags;
}

bool TParameterMemory::setVoiceTags(const QStringList &tags)
{
    if (tags == d->edit.tags)
        return false;
    d->edit.tags = tags;
    emit voiceHeadChanged();
    return true;
}

void TParameterMemory::setCompareMode(bool on)
{
    if (d->compare == on)
        return;
    const Values before = d->shown();
    d->compare = on;
    announceShownSince(before);
    emit enterCompareMode(on);
}

bool TParameterMemory::compareMode() const
{
    return d->compare;
}

void TParameterMemory::announceCompareMode()
{
    emit enterCompareMode(d->compare);
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
