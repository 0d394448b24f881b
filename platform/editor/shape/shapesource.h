#pragma once

#include <parameterref.h>

#include <QObject>
#include <QString>

#include <optional>

class TParameterMemory;

// What the Shape panel shows: the parameters of the element chosen on the
// Voice panel (of a normal or plug-in voice) or of the current drum key of a
// drum voice, found by their addresses and read as numbers in the units
// their value texts give ("12.5ms" and "1.20s" as milliseconds, "5.02kHz" as
// hertz, "+6dB" as decibels, "-12" as -12).
//
// changed() follows every change of what is shown, wherever it was made: an
// edit, undo, a load, compare mode, the drum key, the element or the voice
// type.
class ShapeSource : public QObject
{
    Q_OBJECT

public:
    explicit ShapeSource(TParameterMemory *memory, QObject *parent = nullptr);

    TParameterMemory *memory() const { return m_memory; }

    // The element shown for normal and plug-in voices, 0 to 3.
    void setElement(int element);
    int element() const { return m_element; }
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

    // Whether drags may write: not in compare mode.
    bool editable() const;
    // Writes v clipped to the parameter's range; false when nothing changed
    // or the memory refused (compare mode).
    bool write(const ParameterRef &ref, int v);

signals:
    void changed();

private:
    TParameterMemory *m_memory;
    int m_element = 0;
};
