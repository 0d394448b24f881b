#pragma once

#include "controlbindings.h"
#include "parameterschema.h"
#include "tparametermemory.h"

#include <QSet>

#include <deque>

// The memory's state, shared by its two files: tparametermemory.cpp (values,
// voices and edits) and memorycontrols.cpp (the memory as dialogs and their
// controls reach it).
class TParameterMemory::Private
{
public:
    // Shared by every memory that loaded the same content: a schema never
    // changes once parsed.
    std::shared_ptr<const ParameterSchema::Schema> parsed = ParameterSchema::embedded();
    const ParameterSchema::Schema &schema() const { return *parsed; }
    QString schemaSource = QString::fromLatin1(ParameterSchema::embeddedPath);
    // The edit buffer (with the voice's type and head) and the stored copy.
    Voice edit;
    Values stored;
    bool compare = false;
    QPointer<QObject> voiceData;
    int drumKey = 0;
    ControlBindings controls;
    // Changes waiting to be delivered while a delivery runs.
    std::deque<ParameterRef> pending;
    bool delivering = false;
    // The edit group running (beginEdit()): its depth, whether it is
    // recorded, what it reported, and the parts of its type changes as they
    // were before.
    int editDepth = 0;
    bool recording = true;
    QSet<ParameterRef> reported;
    struct Snapshot
    {
        quint16 high;
        int part;
        std::vector<int> values;
    };
    std::vector<Snapshot> snapshots;

    bool known(const ParameterRef &ref) const
    {
        return schema().holds(ref.high, ref.low, ref.part);
    }
    const Values &shown() const { return compare ? stored : edit.values; }
    int &editSlot(const ParameterRef &ref)
    {
        return edit.values[ref.high][std::size_t(ref.part)][ref.low];
    }
    ParameterSchema::Parameter effective(const ParameterRef &ref, const Values &values) const
    {
        return schema().effective(ref.high, ref.low, values[ref.high][std::size_t(ref.part)],
                                  ref.part);
    }
    ParameterSchema::Parameter effective(const ParameterRef &ref) const
    {
        return effective(ref, shown());
    }
};
