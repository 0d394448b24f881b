#include "shapesource.h"

#include <parameterschema.h>
#include <tparametermemory.h>

#include <QRegularExpression>

#include <cmath>
#include <limits>

ShapeSource::ShapeSource(TParameterMemory *memory, QObject *parent)
    : QObject(parent)
    , m_memory(memory)
{
    connect(memory, &TParameterMemory::parameterChanged, this, &ShapeSource::changed);
    connect(memory, &TParameterMemory::blockLayoutChanged, this, &ShapeSource::changed);
    connect(memory, &TParameterMemory::enterCompareMode, this, &ShapeSource::changed);
    connect(memory, &TParameterMemory::signalDrumKeyNoteChange, this, &ShapeSource::changed);
    connect(memory, &TParameterMemory::editBufferLoaded, this, &ShapeSource::changed);
}

ShapeSource::ShapeSource(const ShapeSource *live, QObject *parent)
    : QObject(parent)
    , m_memory(live->memory())
    , m_live(live)
{
}

void ShapeSource::setVoice(const std::optional<Voice> &voice)
{
    if (!m_live)
        return;
    m_voice = voice;
    emit changed();
}

bool ShapeSource::hasVoice() const
{
    return !m_live || (m_voice && m_voice->type == m_memory->voiceType());
}

bool ShapeSource::effective(const ParameterRef &ref, ParameterSchema::Parameter *parameter) const
{
    const ParameterSchema::Schema &schema = m_memory->schema();
    if (!m_voice || !m_memory->isKnown(ref) || !m_voice->holds(ref))
        return false;
    const std::vector<int> &part = m_voice->values[ref.high][std::size_t(ref.part)];
    if (part.size() != schema.blocks[ref.high].parameters.size())
        return false;
    *parameter = schema.effective(ref.high, ref.low, part, ref.part);
    return true;
}

bool ShapeSource::inUse(const ParameterRef &ref) const
{
    if (!m_live)
        return m_memory->inUse(ref);
    ParameterSchema::Parameter p;
    return effective(ref, &p) && p.inUse;
}

void ShapeSource::setElement(int element)
{
    element = qBound(0, element, int(TParameterMemory::ElementCount) - 1);
    if (element == m_element)
        return;
    m_element = element;
    emit changed();
}

void ShapeSource::voiceChanged()
{
    emit changed();
}

bool ShapeSource::isDrum() const
{
    return (m_live && m_voice ? m_voice->type : m_memory->voiceType()) == VoiceType::Drum;
}

int ShapeSource::part() const
{
    return isDrum() ? m_memory->currentDrumKey() : element();
}

QString ShapeSource::partName() const
{
    return isDrum() ? PartNames::partName(PartNames::drumKeyCount, part())
                    : PartNames::partName(PartNames::elementCount, part());
}

std::optional<ParameterRef> ShapeSource::findInPart(const QString &group, const QString &word,
                                                    int part) const
{
    QString block;
    QString prefix;
    switch (m_live && m_voice ? m_voice->type : m_memory->voiceType()) {
    case VoiceType::Plugin:
        block = QStringLiteral("PluginElement");
        prefix = QStringLiteral("PlgElm");
        break;
    case VoiceType::Drum:
        block = QStringLiteral("DrumKey");
        prefix = QStringLiteral("DrmKey");
        break;
    default:
        block = QStringLiteral("NormalElement");
        prefix = QStringLiteral("NrmElm");
        break;
    }
    ParameterRef ref;
    if (!m_memory->findParameter(QStringLiteral("k%1%2/k%3%4").arg(block, group, prefix, word),
                                 &ref.high, &ref.low))
        return std::nullopt;
    ref.part = part;
    if (!inUse(ref))
        return std::nullopt;
    return ref;
}

std::optional<ParameterRef> ShapeSource::find(const QString &group, const QString &word) const
{
    return findInPart(group, word, part());
}

// A second voice's values read as the memory reads its own: within the
// range and in the texts their part's types give them.
int ShapeSource::value(const ParameterRef &ref) const
{
    if (!m_live)
        return m_memory->value(ref);
    ParameterSchema::Parameter p;
    return effective(ref, &p) ? qBound(p.minimum, m_voice->value(ref), p.maximum) : 0;
}

int ShapeSource::minimum(const ParameterRef &ref) const
{
    if (!m_live)
        return m_memory->minimum(ref);
    ParameterSchema::Parameter p;
    return effective(ref, &p) ? p.minimum : 0;
}

int ShapeSource::maximum(const ParameterRef &ref) const
{
    if (!m_live)
        return m_memory->maximum(ref);
    ParameterSchema::Parameter p;
    return effective(ref, &p) ? p.maximum : 0;
}

QString ShapeSource::text(const ParameterRef &ref) const
{
    return text(ref, value(ref));
}

QString ShapeSource::text(const ParameterRef &ref, int v) const
{
    if (!m_live)
        return m_memory->valueText(ref, v);
    ParameterSchema::Parameter p;
    return effective(ref, &p) ? p.format.text(v, p.minimum) : QString();
}

QString ShapeSource::name(const ParameterRef &ref) const
{
    if (!m_live)
        return m_memory->name(ref);
    ParameterSchema::Parameter p;
    return effective(ref, &p) ? p.name : QString();
}

double ShapeSource::number(const ParameterRef &ref, int v) const
{
    return readNumber(text(ref, v));
}

double ShapeSource::readNumber(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([+-]?\\d+(?:\\.\\d+)?)\\s*(kHz|Hz|ms|s|dB)?"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return std::numeric_limits<double>::quiet_NaN();
    double n = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit == QLatin1String("kHz") || unit == QLatin1String("s"))
        n *= 1000;
    return n;
}

bool ShapeSource::editable() const
{
    return !m_live && !m_memory->compareMode();
}

bool ShapeSource::write(const ParameterRef &ref, int v)
{
    if (m_live)
        return false;
    v = qBound(minimum(ref), v, maximum(ref));
    if (v == value(ref))
        return false;
    return m_memory->setValue(ref.high, ref.low, ref.part, v);
}
