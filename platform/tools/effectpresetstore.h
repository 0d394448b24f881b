#pragma once

#include "effectpreset.h"

#include <QString>
#include <QVector>

// Where effect presets are kept: the starting points that come with the
// editor, read-only, and the user's own. The tools ask only this, so that
// the presets can move into the voice library.
class EffectPresetStore
{
public:
    virtual ~EffectPresetStore() = default;

    // Every preset, the starting points first, each group by name.
    virtual QVector<EffectPreset> presets() const = 0;
    // Keeps `preset` under its name, replacing the user's preset of that
    // name. False with *error set for an empty name, the name of a starting
    // point, or a store that cannot be written.
    virtual bool store(const EffectPreset &preset, QString *error) = 0;
    // Renames the user's preset `from` to `to`; the same faults as store(),
    // and a `to` already in use.
    virtual bool rename(const QString &from, const QString &to, QString *error) = 0;
    // Deletes the user's preset `name`.
    virtual bool remove(const QString &name, QString *error) = 0;
};
