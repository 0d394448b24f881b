#include "effectpreset.h"

#include "soundblocks.h"

#include <tparametermemory.h>

#include <QCoreApplication>

#include <optional>

namespace {

// The slot's type parameter, and the value whose name is `type`.
std::optional<ParameterRef> typeOf(const TParameterMemory &memory, const SoundBlock &slot)
{
    for (const ParameterRef &ref : SoundBlocks::builtIn().members(memory, slot, 0)) {
        if (memory.isTypeParameter(ref.high, ref.low))
            return ref;
    }
    return std::nullopt;
}

std::optional<int> typeValue(const TParameterMemory &memory, const ParameterRef &typeRef,
                             const QString &type)
{
    for (int v = memory.minimum(typeRef); v <= memory.maximum(typeRef); ++v) {
        if (memory.valueText(typeRef, v).compare(type, Qt::CaseInsensitive) == 0)
            return v;
    }
    return std::nullopt;
}

// The rows of the effect: the slot's parameters its type governs.
std::vector<ParameterRef> rowsOf(const TParameterMemory &memory, const SoundBlock &slot)
{
    std::vector<ParameterRef> rows;
    for (const ParameterRef &ref : SoundBlocks::builtIn().members(memory, slot, 0)) {
        if (SoundBlocks::key(memory, slot, ref).startsWith(QLatin1String("Param"))
            && memory.inUse(ref))
            rows.push_back(ref);
    }
    return rows;
}

} // namespace

QJsonObject EffectPreset::toJson() const
{
    QJsonObject values;
    for (const auto &[row, value] : rows)
        values.insert(row, value);
    return QJsonObject{ { QStringLiteral("name"), name },
                        { QStringLiteral("type"), type },
                        { QStringLiteral("rows"), values } };
}

EffectPreset EffectPreset::fromJson(const QJsonObject &o)
{
    EffectPreset preset;
    preset.name = o.value(QLatin1String("name")).toString().trimmed();
    preset.type = o.value(QLatin1String("type")).toString();
    if (preset.type.isEmpty())
        preset.name.clear();
    const QJsonObject rows = o.value(QLatin1String("rows")).toObject();
    for (auto it = rows.begin(); it != rows.end(); ++it)
        preset.rows.append({ it.key(), it.value().toInt() });
    return preset;
}

EffectPreset EffectPreset::capture(const TParameterMemory &memory, const SoundBlock &slot,
                                   const QString &name)
{
    EffectPreset preset;
    preset.name = name.trimmed();
    if (const std::optional<ParameterRef> typeRef = typeOf(memory, slot))
        preset.type = memory.valueText(*typeRef, memory.value(*typeRef));
    for (const ParameterRef &ref : rowsOf(memory, slot))
        preset.rows.append({ memory.name(ref), memory.value(ref) });
    return preset;
}

bool EffectPreset::fits(const TParameterMemory &memory, const SoundBlock &slot) const
{
    const std::optional<ParameterRef> typeRef = typeOf(memory, slot);
    return typeRef && typeValue(memory, *typeRef, type);
}

bool EffectPreset::recall(TParameterMemory &memory, const SoundBlock &slot, QString *error) const
{
    const std::optional<ParameterRef> typeRef = typeOf(memory, slot);
    const std::optional<int> value = typeRef ? typeValue(memory, *typeRef, type) : std::nullopt;
    if (!value) {
        *error = QCoreApplication::translate("EffectPreset",
                                             "The %1 has no type \"%2\", which \"%3\" needs")
                     .arg(slot.name, type, name);
        return false;
    }
    // The type first: it names the rows and gives them their ranges; the
    // rows the preset does not name take the type's defaults.
    memory.setValue(*typeRef, *value);
    for (const ParameterRef &ref : rowsOf(memory, slot)) {
        const QString row = memory.name(ref);
        int v = memory.defaultValue(ref);
        for (const auto &[rowName, rowValue] : rows) {
            if (rowName == row)
                v = rowValue;
        }
        memory.setValue(ref, v);
    }
    return true;
}
