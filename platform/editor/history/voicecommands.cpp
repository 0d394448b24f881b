#include "history/voicecommands.h"

#include <partnames.h>
#include <tparametermemory.h>
#include <voice.h>

#include <QCoreApplication>

#include <utility>

QString describeChange(const TParameterMemory &memory, const ValueChange &change)
{
    const ParameterRef &r = change.ref;
    QString what = memory.name(r.high, r.low, r.part);
    const QString part = PartNames::partName(memory.partCount(r.high), r.part);
    if (!part.isEmpty())
        what += QStringLiteral(", ") + part;
    return QCoreApplication::translate("VoiceHistory", "%1: %2 -> %3")
        .arg(what, memory.valueText(r.high, r.low, r.part, change.oldValue),
             memory.valueText(r.high, r.low, r.part, change.newValue));
}

EditStep::EditStep(TParameterMemory *memory, QVector<ValueChange> changes, int gesture,
                   const QString &name)
    : m_memory(memory)
    , m_changes(std::move(changes))
    , m_gesture(gesture)
{
    setText(name.isEmpty() ? describeChange(*memory, m_changes.first()) : name);
}

int EditStep::id() const
{
    return m_gesture >= 0 && m_changes.size() == 1 ? 1 : -1;
}

bool EditStep::mergeWith(const QUndoCommand *command)
{
    const auto *next = static_cast<const EditStep *>(command);
    const ValueChange &mine = m_changes.first();
    const ValueChange &theirs = next->m_changes.first();
    if (m_closed || next->m_gesture != m_gesture || theirs.ref != mine.ref)
        return false;
    m_changes.first().newValue = theirs.newValue;
    setText(describeChange(*m_memory, m_changes.first()));
    // Back where it started: the step changes nothing and goes.
    setObsolete(mine.oldValue == theirs.newValue);
    return true;
}

void EditStep::undo()
{
    apply(true);
}

void EditStep::redo()
{
    if (std::exchange(m_done, false))
        return;
    apply(false);
}

// Values put back are written as they were, without follow-on changes, in
// a group the memory does not record.
void EditStep::apply(bool backwards)
{
    m_closed = true;
    m_memory->beginEdit(false);
    for (int i = 0; i < m_changes.size(); ++i) {
        const ValueChange &c = m_changes.at(backwards ? m_changes.size() - 1 - i : i);
        m_memory->restoreValue(c.ref.high, c.ref.low, c.ref.part,
                               backwards ? c.oldValue : c.newValue);
    }
    m_memory->endEdit();
}

VoiceTypeStep::VoiceTypeStep(TParameterMemory *memory, VoiceType from, VoiceType to)
    : QUndoCommand(QCoreApplication::translate("VoiceHistory", "Voice type: %1 -> %2")
                       .arg(voiceTypeName(from), voiceTypeName(to)))
    , m_memory(memory)
    , m_from(from)
    , m_to(to)
{
}

void VoiceTypeStep::undo()
{
    m_memory->setVoiceType(m_from);
}

void VoiceTypeStep::redo()
{
    m_memory->setVoiceType(m_to);
}

namespace {

// How a step shows a name or category that is not there yet: a voice not
// named is the initial voice, one without a category is filed under none.
QString shown(VoiceHeadStep::Field field, const QString &text)
{
    if (!text.isEmpty())
        return text;
    return field == VoiceHeadStep::Name ? QCoreApplication::translate("VoiceHistory", "Init Voice")
                                        : Voice::noCategory();
}

} // namespace

VoiceHeadStep::VoiceHeadStep(TParameterMemory *memory, Field field, const QString &from,
                             const QString &to)
    : QUndoCommand((field == Name
                        ? QCoreApplication::translate("VoiceHistory", "Name: %1 -> %2")
                        : QCoreApplication::translate("VoiceHistory", "Category: %1 -> %2"))
                       .arg(shown(field, from), shown(field, to)))
    , m_memory(memory)
    , m_field(field)
    , m_from(from)
    , m_to(to)
{
}

void VoiceHeadStep::undo()
{
    apply(m_from);
}

void VoiceHeadStep::redo()
{
    apply(m_to);
}

void VoiceHeadStep::apply(const QString &text)
{
    if (m_field == Name)
        m_memory->setVoiceName(text);
    else
        m_memory->setVoiceCategory(text);
}
