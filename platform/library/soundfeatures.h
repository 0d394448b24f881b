#pragma once

#include <voice.h>

#include <QByteArray>
#include <QString>

#include <memory>
#include <vector>

namespace ParameterSchema {
struct Schema;
}

// A short description of how a voice sounds, for finding similar voices
// without decoding them: per voice type, a fixed list of the parameters that
// shape the sound most, each value normalised to its range
// ((value - minimum) / (maximum - minimum), as 0 to 65535) or, for a choice
// among kinds (filter type, wave, effect type), kept as the choice itself.
//
// The distance of two voices of one type is the weighted mean of the
// differences of these values: a different kind counts 1, a normalised
// value the size of its difference. The weights:
//   4    types: filter, effect, wave type; the wave itself; EG and LFO shapes
//   3    filter cutoff (main and high-pass)
//   2    filter resonance, the amplitude envelope's times and levels
//   1.5  the filter envelope's times, levels and depth
//   1    element and key levels, the LFO wave
// Drum voices describe every sixth key (C0, F#0, C1, ...) by the same rules.
class SoundFeatures
{
public:
    explicit SoundFeatures(std::shared_ptr<const ParameterSchema::Schema> schema);

    // The features of `voice` (two bytes per described parameter).
    QByteArray of(const Voice &voice) const;
    // 0 for equal features to 1 for voices that differ in every described
    // parameter; 1 when the features are not of `type`.
    double distance(VoiceType type, const QByteArray &a, const QByteArray &b) const;
    // The same over features known to be of `type` and of its size.
    double distance(VoiceType type, const uchar *a, const uchar *b) const;
    // How many parameters describe a voice of `type`.
    int size(VoiceType type) const;

private:
    struct Feature
    {
        ParameterRef ref;
        float weight = 1;
        bool kind = false; // a choice: equal or not
    };
    const std::vector<Feature> &layout(VoiceType type) const;

    std::shared_ptr<const ParameterSchema::Schema> m_schema;
    std::vector<Feature> m_layouts[3];
    double m_weightSums[3] = {};
};
