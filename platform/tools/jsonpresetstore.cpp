#include "jsonpresetstore.h"

#include "soundblocks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace {

const QString formatName = QStringLiteral("zinta-effect-presets");

QString tr(const char *text)
{
    return QCoreApplication::translate("JsonPresetStore", text);
}

QVector<EffectPreset> readPresets(const QString &path, bool builtIn)
{
    SoundBlocks::registerContent();
    QFile file(path);
    QVector<EffectPreset> presets;
    if (!file.open(QIODevice::ReadOnly))
        return presets;
    const QJsonObject o = QJsonDocument::fromJson(file.readAll()).object();
    for (const QJsonValue &v : o.value(QLatin1String("presets")).toArray()) {
        EffectPreset preset = EffectPreset::fromJson(v.toObject());
        preset.builtIn = builtIn;
        if (!preset.name.isEmpty())
            presets.append(preset);
    }
    std::sort(presets.begin(), presets.end(), [](const EffectPreset &a, const EffectPreset &b) {
        return a.name.localeAwareCompare(b.name) < 0;
    });
    return presets;
}

int indexOf(const QVector<EffectPreset> &presets, const QString &name)
{
    for (int i = 0; i < presets.size(); ++i) {
        if (presets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

} // namespace

JsonPresetStore::JsonPresetStore(const QString &path)
    : m_path(path)
    , m_builtIn(readPresets(QStringLiteral(":/zinta/tools/effectpresets.json"), true))
    , m_user(readPresets(path, false))
{
}

QString JsonPresetStore::defaultPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("effect-presets.json"));
}

QVector<EffectPreset> JsonPresetStore::presets() const
{
    return m_builtIn + m_user;
}

bool JsonPresetStore::isStartingPoint(const QString &name) const
{
    return indexOf(m_builtIn, name) >= 0;
}

bool JsonPresetStore::store(const EffectPreset &preset, QString *error)
{
    const QString name = preset.name.trimmed();
    if (name.isEmpty()) {
        *error = tr("A preset needs a name");
        return false;
    }
    if (isStartingPoint(name)) {
        *error = tr("\"%1\" is the name of a starting point: choose another").arg(name);
        return false;
    }
    QVector<EffectPreset> user = m_user;
    EffectPreset kept = preset;
    kept.name = name;
    kept.builtIn = false;
    const int i = indexOf(user, name);
    if (i >= 0)
        user[i] = kept;
    else
        user.append(kept);
    return write(user, error);
}

bool JsonPresetStore::rename(const QString &from, const QString &to, QString *error)
{
    const int i = indexOf(m_user, from);
    const QString name = to.trimmed();
    if (i < 0) {
        *error = isStartingPoint(from)
            ? tr("A starting point cannot be renamed: store it under a name of your own")
            : tr("There is no preset \"%1\"").arg(from);
        return false;
    }
    if (name.isEmpty() || isStartingPoint(name)
        || (indexOf(m_user, name) >= 0 && indexOf(m_user, name) != i)) {
        *error = name.isEmpty() ? tr("A preset needs a name")
                                : tr("There is a preset \"%1\" already").arg(name);
        return false;
    }
    QVector<EffectPreset> user = m_user;
    user[i].name = name;
    return write(user, error);
}

bool JsonPresetStore::remove(const QString &name, QString *error)
{
    const int i = indexOf(m_user, name);
    if (i < 0) {
        *error = isStartingPoint(name) ? tr("A starting point cannot be deleted")
                                       : tr("There is no preset \"%1\"").arg(name);
        return false;
    }
    QVector<EffectPreset> user = m_user;
    user.removeAt(i);
    return write(user, error);
}

bool JsonPresetStore::write(const QVector<EffectPreset> &presets, QString *error)
{
    QJsonArray array;
    for (const EffectPreset &preset : presets)
        array.append(preset.toJson());
    const QJsonObject o{ { QStringLiteral("format"), formatName },
                         { QStringLiteral("version"), 1 },
                         { QStringLiteral("presets"), array } };
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QSaveFile file(m_path);
    const QByteArray text = QJsonDocument(o).toJson(QJsonDocument::Indented);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        *error = tr("Cannot keep the effect presets in %1: %2").arg(m_path, file.errorString());
        return false;
    }
    m_user = readPresets(m_path, false);
    return true;
}
