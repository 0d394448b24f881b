#include "history/elementtools.h"

#include "history/voicehistory.h"

#include <partnames.h>
#include <tparametermemory.h>

namespace {

// "20kNormalElement/kNrmElmPan" for element 2 (0-based).
QString elementAddress(const TParameterMemory &memory, int element, quint16 high, quint16 low)
{
    return QStringLiteral("%1k%2/k%3")
        .arg(element * 16, 2, 16, QLatin1Char('0'))
        .arg(memory.blockWord(high), memory.parameterWord(high, low));
}

} // namespace

ElementTools::ElementTools(VoiceHistory *history, QObject *parent)
    : QObject(parent)
    , m_history(history)
{
}

QVector<quint16> ElementTools::blocks(int parts) const
{
    const TParameterMemory &memory = *m_history->memory();
    QVector<quint16> found;
    for (int b = 0; b < memory.blockCount(); ++b) {
        if (memory.partCount(b) == parts && memory.blockVoiceType(b) == memory.voiceType())
            found.append(quint16(b));
    }
    return found;
}

QVector<ElementTools::Value> ElementTools::valuesOf(int parts, int part) const
{
    const TParameterMemory &memory = *m_history->memory();
    QVector<Value> values;
    for (const bool types : { true, false }) {
        for (const quint16 high : blocks(parts)) {
            for (int p = 0; p < memory.parameterCount(high); ++p) {
                const quint16 low = quint16(p);
                if (memory.isTypeParameter(high, low) != types)
                    continue;
                const int v = parts == TParameterMemory::ElementCount
                    ? memory.value(elementAddress(memory, part, high, low))
                    : memory.value(high, low, part);
                values.append({ high, low, v });
            }
        }
    }
    return values;
}

void ElementTools::write(int parts, int part, const QVector<Value> &values) const
{
    TParameterMemory &memory = *m_history->memory();
    for (const Value &v : values) {
        if (parts == TParameterMemory::ElementCount)
            memory.setValue(elementAddress(memory, part, v.high, v.low), 0, v.value);
        else
            memory.setValue(v.high, v.low, part, v.value);
    }
}

bool ElementTools::copyElement(int from, int to)
{
    const int parts = TParameterMemory::ElementCount;
    return m_history->runAsOneStep(tr("Copy element %1 to element %2").arg(from + 1).arg(to + 1),
                                   [&] { write(parts, to, valuesOf(parts, from)); });
}

bool ElementTools::swapElements(int first, int second)
{
    const int parts = TParameterMemory::ElementCount;
    return m_history->runAsOneStep(tr("Swap elements %1 and %2").arg(first + 1).arg(second + 1),
                                   [&] {
                                       const QVector<Value> a = valuesOf(parts, first);
                                       const QVector<Value> b = valuesOf(parts, second);
                                       write(parts, first, b);
                                       write(parts, second, a);
                                   });
}

bool ElementTools::initialiseElement(int element)
{
    const int parts = TParameterMemory::ElementCount;
    return m_history->runAsOneStep(tr("Initialise element %1").arg(element + 1), [&] {
        TParameterMemory &memory = *m_history->memory();
        // Types first: the other defaults follow the type.
        for (const bool types : { true, false }) {
            for (const quint16 high : blocks(parts)) {
                for (int p = 0; p < memory.parameterCount(high); ++p) {
                    const quint16 low = quint16(p);
                    if (memory.isTypeParameter(high, low) == types)
                        memory.setValue(elementAddress(memory, element, high, low), 0,
                                        memory.defaultValue(high, low, element));
                }
            }
        }
    });
}

bool ElementTools::copyDrumKey(int from, int to)
{
    const int parts = TParameterMemory::DrumKeyCount;
    return m_history->runAsOneStep(
        tr("Copy drum %1 to %2")
            .arg(PartNames::partName(parts, from), PartNames::partName(parts, to)),
        [&] { write(parts, to, valuesOf(parts, from)); });
}
