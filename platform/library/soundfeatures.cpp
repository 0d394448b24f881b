#include "soundfeatures.h"

#include <parameterschema.h>

#include <QtEndian>

#include <cmath>

namespace {

// What a parameter of this name counts for the sound; 0 for nothing.
float weightOf(const QString &name, bool typeParameter, bool *kind)
{
    auto has = [&name](const char *word) {
        return name.contains(QLatin1String(word), Qt::CaseInsensitive);
    };
    const bool byKeysOrVelocity = has("Velo") || has("Key") || has("Break") || has("Offset")
        || has("Scaling") || has("Sens") || has("Segment") || has("Curve");
    *kind = false;
    if (typeParameter || (has("Type") && !byKeysOrVelocity) || name == QLatin1String("Wave")
        || name.endsWith(QLatin1String("Wave Number"))) {
        *kind = true;
        return 4;
    }
    if (byKeysOrVelocity)
        return 0;
    if (name == QLatin1String("Cutoff") || name == QLatin1String("HPF Cutoff"))
        return 3;
    if (name == QLatin1String("Resonance"))
        return 2;
    if (name.startsWith(QLatin1String("AEG ")) && (has("Time") || has("Level")))
        return 2;
    if (name.startsWith(QLatin1String("FEG ")) && (has("Time") || has("Level") || has("Depth")))
        return 1.5f;
    if (name == QLatin1String("Level") || name == QLatin1String("Element Level")
        || name == QLatin1String("LFO Wave")) {
        *kind = name == QLatin1String("LFO Wave");
        return 1;
    }
    return 0;
}

} // namespace

SoundFeatures::SoundFeatures(std::shared_ptr<const ParameterSchema::Schema> schema)
    : m_schema(std::move(schema))
{
    const ParameterSchema::Schema &s = *m_schema;
    for (std::size_t h = 0; h < s.blocks.size(); ++h) {
        const ParameterSchema::Block &block = s.blocks[h];
        if (!isVoiceTypeNumber(block.voiceType))
            continue;
        std::vector<Feature> &layout = m_layouts[block.voiceType - 1];
        const int step = block.parts > 4 ? 6 : 1;
        for (int part = 0; part < block.parts; part += step) {
            for (std::size_t low = 0; low < block.parameters.size(); ++low) {
                Feature f;
                f.weight = weightOf(block.parameters[low].name, s.isTypeParameter(int(h), int(low)),
                                    &f.kind);
                if (f.weight <= 0)
                    continue;
                f.ref = { quint16(h), quint16(low), part };
                layout.push_back(f);
                m_weightSums[block.voiceType - 1] += f.weight;
            }
        }
    }
}

const std::vector<SoundFeatures::Feature> &SoundFeatures::layout(VoiceType type) const
{
    return m_layouts[qBound(0, int(type) - 1, 2)];
}

int SoundFeatures::size(VoiceType type) const
{
    return int(layout(type).size());
}

QByteArray SoundFeatures::of(const Voice &voice) const
{
    const auto &features = layout(voice.type);
    QByteArray out(int(features.size() * 2), Qt::Uninitialized);
    char *p = out.data();
    for (const Feature &f : features) {
        const int value = voice.value(f.ref);
        quint16 stored = 0;
        if (f.kind) {
            stored = quint16(value);
        } else {
            const std::vector<int> &part = voice.values[f.ref.high][std::size_t(f.ref.part)];
            const ParameterSchema::Parameter e =
                m_schema->effective(f.ref.high, f.ref.low, part, f.ref.part);
            const double span = std::max(1, e.maximum - e.minimum);
            stored = quint16(std::lround(qBound(0.0, (value - e.minimum) / span, 1.0) * 65535));
        }
        qToLittleEndian(stored, p);
        p += 2;
    }
    return out;
}

double SoundFeatures::distance(VoiceType type, const QByteArray &a, const QByteArray &b) const
{
    const auto &features = layout(type);
    const int bytes = int(features.size() * 2);
    if (a.size() != bytes || b.size() != bytes || features.empty())
        return 1;
    return distance(type, reinterpret_cast<const uchar *>(a.constData()),
                    reinterpret_cast<const uchar *>(b.constData()));
}

double SoundFeatures::distance(VoiceType type, const uchar *pa, const uchar *pb) const
{
    const auto &features = layout(type);
    double sum = 0;
    for (const Feature &f : features) {
        const int va = pa[0] | (pa[1] << 8);
        const int vb = pb[0] | (pb[1] << 8);
        pa += 2;
        pb += 2;
        sum += f.weight * (f.kind ? (va != vb ? 1.0 : 0.0) : std::abs(va - vb) / 65535.0);
    }
    return sum / m_weightSums[qBound(0, int(type) - 1, 2)];
}
