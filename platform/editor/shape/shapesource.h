#pragma once

#include <parameterref.h>
#include <voice.h>

#include <QObject>
#include <QString>

#include <optional>

class TParameterMemory;

namespace ParameterSchema {
struct Parameter;
}

// What the Shape panel shows: the parameters of the element chosen on the
// Voice panel (of a normal or plug-in voice) or of the current drum key of a
// drum voice, found by their addresses and read as numbers in the units
// their value texts give ("12.5ms" and "1.20s" as milliseconds, "5.02kHz" as
// hertz, "+6dB" as decibels, "-12" as -12).
//
// changed() follows every change of what is shown, wherever it was made: an
// edit, undo, a load, compare mode, the drum key, the element or the voice
// type.
//
// A second source reads another voice given as a value (setVoice()) the
// same way, through the memory's schema: its parameters are found, ranged
// and read as numbers exactly as the memory's, following the type
// parameters of that voice. It shows the element or drum key its live
// source shows, cannot be written, and emits changed() when its voice is
// set; what the live source shows changing is the live source's changed().
class ShapeSource : public QObject
{
    Q_OBJECT

public:
    explicit ShapeSource(TParameterMemory *memory, QObject *parent = nullptr);
    // A source of a voice given by setVoice(), showing what `live` shows.
    explicit ShapeSource(const ShapeSource *live, QObject *parent = nullptr);

    // The voice a second source reads; std::nullopt for none.
    void setVoice(const std::optional<Voice> &voice);
    const std::optional<Voice> &voice() const { return m_voice; }
    // Whether there is a voice to show: always for the memory's; for a
    // second source, a voice of the memory voice's type.
    bool hasVoice() const;

    TParameterMemory *memory() const { return m_memory; }

    // The element shown for normal and plug-in voices, 0 to 3.
    void setElement(int element);
    int element() const { return m_live ? m_live->element() : m_element; }
    // The voice type was changed without a load: read everything again.
    void voiceChanged();

    bool isDrum() const;
    // The part the shown parameters have: the element, or the drum key.
    int part() const;
    // How the part is named: "element 2", "key C1".
    QString partName() const;

    // The shown part's parameter `word` of the element block `group`
    // ("" for the element's main block, "Amplitude", "Filter", "Pitch",
    // "EQ"): "AEGAttackTime" in "Amplitude" is
    // kNormalElementAmplitude/kNrmElmAEGAttackTime of a normal voice,
    // kPluginElementAmplitude/kPlgElmAEGAttackTime of a plug-in voice and
    // kDrumKeyAmplitude/kDrmKeyAEGAttackTime of a drum voice. Empty when the
    // voice has no such parameter or its block's type does not use it.
    std::optional<ParameterRef> find(const QString &group, const QString &word) const;
    // The same parameter in another part (another element).
    std::optional<ParameterRef> findInPart(const QString &group, const QString &word,
                                           int part) const;

    int value(const ParameterRef &ref) const;
    int minimum(const ParameterRef &ref) const;
    int maximum(const ParameterRef &ref) const;
    QString text(const ParameterRef &ref) const;
    QString text(const ParameterRef &ref, int v) const;
    QString name(const ParameterRef &ref) const;
    // Value v of the parameter read through its text; NaN for a text that
    // is not a number ("Hold").
    double number(const ParameterRef &ref, int v) const;
    double number(const ParameterRef &ref) const { return number(ref, value(ref)); }
    // A value text read as a number in its unit's base (ms, Hz, dB).
    static double readNumber(const QString &text);

    // Whether drags may write: not in compare mode, never a second voice.
    bool editable() const;
    // Writes v clipped to the parameter's range; false when nothing changed
    // or the memory refused (compare mode).
    bool write(const ParameterRef &ref, int v);

signals:
    void changed();

private:
    // The parameter as the second voice's values make it; false when the
    // values do not hold it.
    bool effective(const ParameterRef &ref, ParameterSchema::Parameter *parameter) const;
    bool inUse(const ParameterRef &ref) const;

    TParameterMemory *m_memory;
    const ShapeSource *m_live = nullptr;
    std::optional<Voice> m_voice;
    int m_element = 0;
};
