#include "shapesource.h"

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
    return m_memory->voiceType() == VoiceType::Drum;
}

int ShapeSource::part() const
{
    return isDrum() ? m_memory->currentDrumKey() : m_element;
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
    switch (m_memory->voiceType()) {
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
    if (!m_memory->inUse(ref.high, ref.low, part))
        return std::nullopt;
    return ref;
}

std::optional<ParameterRef> ShapeSource::find(const QString &group, const QString &word) const
{
    return findInPart(group, word, part());
}

int ShapeSource::value(const ParameterRef &ref) const
{
    return m_memory->value(ref.high, ref.low, ref.part);
}

int ShapeSource::minimum(const ParameterRef &ref) const
{
    return m_memory->minimum(ref.high, ref.low, ref.part);
}

int ShapeSource::maximum(const ParameterRef &ref) const
{
    return m_memory->maximum(ref.high, ref.low, ref.part);
}

QString ShapeSource::text(const ParameterRef &ref) const
{
    return text(ref, value(ref));
}

QString ShapeSource::text(const ParameterRef &ref, int v) const
{
    return m_memory->valueText(ref.high, ref.low, ref.part, v);
}

QString ShapeSource::name(const ParameterRef &ref) const
{
    return m_memory->name(ref.high, ref.low, ref.part);
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
    return !m_memory->compareMode();
}

bool ShapeSource::write(const ParameterRef &ref, int v)
{
    v = qBound(minimum(ref), v, maximum(ref));
    if (v == value(ref))
        return false;
    return m_memory->setValue(ref.high, ref.low, ref.part, v);
}
