#pragma once

#include "history/voicecommands.h"

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QUndoCommand;
class QUndoStack;
class TParameterMemory;

// The undo history of the voice. Every edit the memory reports is recorded,
// whatever made it (a dialog control, a selection window, the view, a
// panel); what one write sets off (a type parameter and the values it
// changes with it) is one step. Consecutive edits of one parameter in one
// gesture (a fader drag, a held arrow key, a run of wheel notches) merge
// into one step; a mouse button or key let go, another parameter, an undo
// or a pause of a second ends the gesture.
//
// Undo and redo put values back without recording them. Loading or
// starting a voice clears the history; markSaved() makes the present step
// the clean state. Compare mode shows the stored voice, not the edit
// buffer, so undo, redo and named steps are refused then, with a message.
class VoiceHistory : public QObject
{
    Q_OBJECT

public:
    explicit VoiceHistory(TParameterMemory *memory, QObject *parent = nullptr);
    ~VoiceHistory() override;

    TParameterMemory *memory() const { return m_memory; }
    QUndoStack *stack() const { return m_stack; }

    // Undo and redo one step; false when there is none or compare mode
    // refuses.
    bool undo();
    bool redo();

    // Runs `edits` as one step named `name`; refused in compare mode.
    bool runAsOneStep(const QString &name, const std::function<void()> &edits);
    // Pushes a step made elsewhere (the voice's type, name or category),
    // done by the push; refused (and deleted) in compare mode.
    bool push(QUndoCommand *step);

    // Ends the gesture: the next edit starts a step of its own.
    void endGesture() { ++m_gesture; }

    // The voice as it is now is the one saved.
    void markSaved();

signals:
    // Why an undo, redo or edit was refused, or what was undone or redone.
    void message(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool refusedInCompare(const QString &what);
    void groupEnded();

    TParameterMemory *m_memory;
    QUndoStack *m_stack;
    QVector<ValueChange> m_group;
    QString m_stepName;
    int m_gesture = 0;
    QElapsedTimer m_sinceEdit;
};
