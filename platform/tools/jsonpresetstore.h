#pragma once

#include "effectpresetstore.h"

// Effect presets in a JSON file of the user's (by default
// effect-presets.json in QStandardPaths::AppDataLocation), beside the
// starting points embedded in the tools (content/effectpresets.json):
//
//   { "format": "zinta-effect-presets", "version": 1,
//     "presets": [ { "name": "Warm Hall", "type": "Hall 1",
//                    "rows": { "Reverb Time": 34, "Dry/Wet": 50 } } ] }
//
// A file that cannot be read counts as holding no presets, and is not
// overwritten until the user stores one.
class JsonPresetStore : public EffectPresetStore
{
public:
    explicit JsonPresetStore(const QString &path = defaultPath());

    static QString defaultPath();
    QString path() const { return m_path; }

    QVector<EffectPreset> presets() const override;
    bool store(const EffectPreset &preset, QString *error) override;
    bool rename(const QString &from, const QString &to, QString *error) override;
    bool remove(const QString &name, QString *error) override;

private:
    bool isStartingPoint(const QString &name) const;
    bool write(const QVector<EffectPreset> &presets, QString *error);

    QString m_path;
    QVector<EffectPreset> m_builtIn;
    QVector<EffectPreset> m_user;
};
