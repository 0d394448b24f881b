#pragma once

#include <QJsonObject>
#include <QString>
#include <QVector>

#include <utility>

struct SoundBlock;
class TParameterMemory;

// An effect kept under a name: its type, by the type's name, and the rows
// it sets, by the names the type gives them. Any slot whose types include
// the type takes it: a hall stored from the reverb goes into an insertion
// effect as well.
struct EffectPreset
{
    QString name;
    QString type;
    QVector<std::pair<QString, int>> rows;
    // One of the starting points that come with the editor, not the user's.
    bool builtIn = false;

    QJsonObject toJson() const;
    // Null name when `o` is no preset.
    static EffectPreset fromJson(const QJsonObject &o);

    // The effect in `slot` (an effect block) of the memory's voice.
    static EffectPreset capture(const TParameterMemory &memory, const SoundBlock &slot,
                                const QString &name);
    // Whether `slot` has the preset's type.
    bool fits(const TParameterMemory &memory, const SoundBlock &slot) const;
    // Sets the slot's type, then the rows the preset names (the others keep
    // the type's defaults); the caller makes it one step. False with *error
    // set, and nothing written, when the slot lacks the type.
    bool recall(TParameterMemory &memory, const SoundBlock &slot, QString *error) const;
};
