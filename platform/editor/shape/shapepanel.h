#pragma once

#include "envelopeview.h"

#include <QWidget>

class QLabel;
class QUndoStack;
class ResponseView;
class RangeView;
class ShapeSource;
class TParameterMemory;

// The Shape panel: the element shown on the Voice panel (or the current
// drum key of a drum voice) drawn as a musician reads it: its amplitude,
// filter and pitch envelopes, its filter and EQ responses, and the four
// elements' note and velocity ranges. Every point can be dragged or moved
// with the keys; the panel follows every change of the voice, wherever it
// is made.
class ShapePanel : public QWidget
{
    Q_OBJECT

public:
    explicit ShapePanel(TParameterMemory *memory, QWidget *parent = nullptr);

    ShapeSource *source() const { return m_source; }
    EnvelopeView *envelope(EnvelopeView::Kind kind) const { return m_envelopes[kind]; }
    ResponseView *response() const { return m_response; }
    RangeView *noteRanges() const { return m_notes; }
    RangeView *velocityRanges() const { return m_velocities; }

    // The window's history: a drag that moves a point both ways (a time
    // and a level) becomes one step of it.
    void setUndoStack(QUndoStack *stack);

public slots:
    // The element shown, 0 to 3.
    void setElement(int element);
    // The voice type changed.
    void voiceChanged();

signals:
    void message(const QString &text);

private:
    void showWhatTheVoiceHas();

    ShapeSource *m_source;
    QLabel *m_heading;
    EnvelopeView *m_envelopes[3];
    ResponseView *m_response;
    RangeView *m_notes;
    RangeView *m_velocities;
};
