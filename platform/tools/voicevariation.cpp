#include "voicevariation.h"

#include "seededrandom.h"
#include "toollocks.h"

#include <parameterschema.h>
#include <tparametermemory.h>

#include <QSet>

#include <cmath>

namespace VoiceVariation {

namespace {

quint64 partKey(quint16 high, int part)
{
    return (quint64(high) << 32) | quint32(part);
}

int valueIn(const Values &values, const ParameterRef &ref)
{
    if (ref.high >= values.size() || std::size_t(ref.part) >= values[ref.high].size()
        || ref.low >= values[ref.high][std::size_t(ref.part)].size())
        return 0;
    return values[ref.high][std::size_t(ref.part)][ref.low];
}

} // namespace

Locked lockedBy(const TParameterMemory &memory, const ToolLocks *locks)
{
    if (!locks || locks->locks().isEmpty())
        return [](const ParameterRef &) { return false; };
    // The parts holding a locked value keep their types.
    QSet<quint64> lockedRefs;
    QSet<quint64> partsWithLocks;
    for (const ParameterRef &ref : variableValues(memory)) {
        if (locks->isLocked(memory, ref)) {
            lockedRefs.insert(ref.key());
            partsWithLocks.insert(partKey(ref.high, ref.part));
        }
    }
    const TParameterMemory *m = &memory;
    return [m, lockedRefs, partsWithLocks](const ParameterRef &ref) {
        return lockedRefs.contains(ref.key())
            || (m->isTypeParameter(ref.high, ref.low)
                && partsWithLocks.contains(partKey(ref.high, ref.part)));
    };
}

std::vector<ParameterRef> variableValues(const TParameterMemory &memory)
{
    const VoiceType type = memory.voiceType();
    std::vector<ParameterRef> types;
    std::vector<ParameterRef> others;
    for (int high = 0; high < memory.blockCount(); ++high) {
        if (voiceOfBlocks(memory.blockVoiceType(high)) != type)
            continue;
        for (int part = 0; part < memory.partCount(high); ++part) {
            for (int low = 0; low < memory.parameterCount(high); ++low) {
                const ParameterRef ref{ quint16(high), quint16(low), part };
                (memory.isTypeParameter(ref.high, ref.low) ? types : others).push_back(ref);
            }
        }
    }
    types.insert(types.end(), others.begin(), others.end());
    return types;
}

int randomise(TParameterMemory &memory, const Locked &locked, SeededRandom &random, int percent)
{
    int drawn = 0;
    for (const ParameterRef &ref : variableValues(memory)) {
        if (locked(ref))
            continue;
        if (percent < 100 && random.between(1, 100) > percent)
            continue;
        memory.setValue(ref, random.between(memory.minimum(ref), memory.maximum(ref)));
        ++drawn;
    }
    return drawn;
}

int mutate(TParameterMemory &memory, const Locked &locked, SeededRandom &random, int percent,
           int typesAbove)
{
    const double share = qBound(0, percent, 100) / 100.0;
    int moved = 0;
    for (const ParameterRef &ref : variableValues(memory)) {
        if (locked(ref))
            continue;
        const int low = memory.minimum(ref);
        const int high = memory.maximum(ref);
        if (memory.isTypeParameter(ref.high, ref.low)) {
            if (percent <= typesAbove || random.fraction() >= share)
                continue;
            memory.setValue(ref, random.between(low, high));
        } else {
            const double step = (2.0 * random.fraction() - 1.0) * share * (high - low);
            const int value = qBound(low, memory.value(ref) + int(std::lround(step)), high);
            memory.setValue(ref, value);
        }
        ++moved;
    }
    return moved;
}

void morph(TParameterMemory &memory, const Locked &locked, const Values &a, const Values &b,
           double amount)
{
    const double t = qBound(0.0, amount, 1.0);
    const Values &nearer = t < 0.5 ? a : b;
    const std::vector<ParameterRef> refs = variableValues(memory);
    QSet<quint64> typesDiffer;
    for (const ParameterRef &ref : refs) {
        if (memory.isTypeParameter(ref.high, ref.low) && valueIn(a, ref) != valueIn(b, ref))
            typesDiffer.insert(partKey(ref.high, ref.part));
    }
    bool typesDone = false;
    Voice now;
    for (const ParameterRef &ref : refs) {
        if (locked(ref))
            continue;
        if (memory.isTypeParameter(ref.high, ref.low)) {
            memory.setValue(ref, valueIn(nearer, ref));
            continue;
        }
        if (!typesDone) {
            // The types are in place: read the formats they give.
            now = memory.voice();
            typesDone = true;
        }
        const int from = valueIn(a, ref);
        const int to = valueIn(b, ref);
        const ParameterSchema::Parameter p = memory.schema().effective(
            ref.high, ref.low, now.values[ref.high][std::size_t(ref.part)], ref.part);
        const bool takesNearer = typesDiffer.contains(partKey(ref.high, ref.part))
            || p.format.kind == ParameterSchema::ValueFormat::List
            || p.format.kind == ParameterSchema::ValueFormat::Names;
        memory.setValue(
            ref, takesNearer ? valueIn(nearer, ref) : int(std::lround(from + (to - from) * t)));
    }
}

} // namespace VoiceVariation
