#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>

class DifferencesFilter;
class ElementTools;
class QAbstractItemView;
class QAction;
class QLabel;
class QMainWindow;
class QUndoStack;
class TParameterMemory;

// The editor's undo history of the voice. Every edit the memory reports is
// recorded, whatever made it (a dialog control, a selection window, the
// view, a panel); what one write sets off (a type change and the values it
// changes with it) is one step. Consecutive edits of one parameter in one
// gesture (a fader drag, a held arrow key, a run of wheel notches) merge
// into one step; a mouse button or key let go, another parameter, an undo
// or a pause of a second ends the gesture.
//
// Undo and redo put values back without recording them, so open dialogs and
// the view follow as they follow any change. Loading or starting a voice
// clears the history; the clean state marks the last save. In compare mode
// the edit buffer is not shown, so undo and redo are refused with a message.
class VoiceHistory : public QObject
{
    Q_OBJECT

public:
    struct Change
    {
        quint16 high;
        quint16 low;
        int part;
        int oldValue;
        int newValue;
    };

    explicit VoiceHistory(TParameterMemory *memory, QObject *parent = nullptr);
    ~VoiceHistory() override;

    TParameterMemory *memory() const { return m_memory; }
    QUndoStack *stack() const { return m_stack; }

    // Puts the history into a main window: an Edit menu with Undo, Redo and
    // the element tools (after the first menu), a View entry for the
    // differences filter put between `view` and its model (view may be
    // null), the history dock, the compare indicator and the status-bar
    // messages. Undo and Redo also work in every dialog the program shows.
    void install(QMainWindow *window, QAbstractItemView *view);

    // The voice was saved: it becomes compare's stored voice and the
    // history's clean state.
    void voiceSaved();

    // Undo and redo one step; false when there is none or compare mode
    // refuses (with a message).
    bool undo();
    bool redo();

    // Runs `edits` as one step named `name`; refused in compare mode.
    bool runAsOneStep(const QString &name, const std::function<void()> &edits);

    // Ends the gesture: the next edit starts a step of its own.
    void endGesture() { ++m_gesture; }

    // The step name of one change: "Filter Cutoff, element 2: 1.3kHz -> 4.0kHz".
    QString describe(const Change &change) const;

    QAction *undoAction() const { return m_undo; }
    QAction *redoAction() const { return m_redo; }
    DifferencesFilter *differencesFilter() const { return m_filter; }
    ElementTools *elementTools() const { return m_tools; }
    QLabel *compareIndicator() const;

signals:
    // A message for the status bar.
    void message(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class EditStep;
    void apply(const QVector<Change> &changes, bool backwards);
    void groupEnded();

    TParameterMemory *m_memory;
    QUndoStack *m_stack;
    QAction *m_undo;
    QAction *m_redo;
    ElementTools *m_tools;
    DifferencesFilter *m_filter = nullptr;
    QPointer<QLabel> m_indicator;
    QVector<Change> m_group;
    QString m_stepName;
    bool m_restoring = false;
    int m_gesture = 0;
    QElapsedTimer m_sinceEdit;
};
