#pragma once

#include <parameterref.h>
#include <voicetype.h>

#include <QString>
#include <QUndoCommand>
#include <QVector>

class TParameterMemory;

// The steps of the voice's history, as the undo stack holds them. Each
// puts the voice back (undo) or forward (redo) through the memory; open
// dialogs and the view follow as they follow any change.

// One value an edit changed.
struct ValueChange
{
    ParameterRef ref;
    int oldValue;
    int newValue;
};

// How a step names one change: "Filter Cutoff, element 2: 1.3kHz -> 4.0kHz".
QString describeChange(const TParameterMemory &memory, const ValueChange &change);

// The changes of one edit group, put back in reverse order on undo. A step
// of one change made in a gesture takes in the next change of the same
// parameter and part in the same gesture, until it is undone or redone.
class EditStep : public QUndoCommand
{
public:
    // `gesture` -1 for a step that never takes in another; `name` empty to
    // name the step after its (first) change.
    EditStep(TParameterMemory *memory, QVector<ValueChange> changes, int gesture,
             const QString &name = QString());

    int id() const override;
    bool mergeWith(const QUndoCommand *command) override;
    void undo() override;
    void redo() override;

private:
    void apply(bool backwards);

    TParameterMemory *m_memory;
    QVector<ValueChange> m_changes;
    int m_gesture;
    // The first redo comes with the push, after the change was made.
    bool m_done = true;
    // Undone or redone: the gesture it belonged to is over.
    bool m_closed = false;
};

// A change of the voice's type: "Voice type: Normal -> Drum".
class VoiceTypeStep : public QUndoCommand
{
public:
    VoiceTypeStep(TParameterMemory *memory, VoiceType from, VoiceType to);

    void undo() override;
    void redo() override;

private:
    TParameterMemory *m_memory;
    VoiceType m_from;
    VoiceType m_to;
};

// A change of the voice's name or category, what it is filed under:
// "Name: Init Voice -> Warm Pad", "Category: Piano -> Pad".
class VoiceHeadStep : public QUndoCommand
{
public:
    enum Field { Name, Category };

    VoiceHeadStep(TParameterMemory *memory, Field field, const QString &from, const QString &to);

    void undo() override;
    void redo() override;

private:
    void apply(const QString &text);

    TParameterMemory *m_memory;
    Field m_field;
    QString m_from;
    QString m_to;
};
