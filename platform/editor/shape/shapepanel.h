#pragma once

#include "envelopeview.h"

#include <voice.h>

#include <QWidget>

#include <optional>

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
// is made. A second voice (two voices side by side) is drawn faint behind,
// its same element or drum key, when it is of the voice's type.
class ShapePanel : public QWidget
{
    Q_OBJECT

public:
    explicit ShapePanel(TParameterMemory *memory, QWidget *parent = nullptr);

    ShapeSource *source() const { return m_source; }
    ShapeSource *secondSource() const { return m_second; }
    EnvelopeView *envelope(EnvelopeView::Kind kind) const { return m_envelopes[kind]; }
    ResponseView *response() const { return m_response; }
    RangeView *noteRanges() const { return m_notes; }
    RangeView *velocityRanges() const { return m_velocities; }

    // The window's history: a drag that moves a point both ways (a time
    // and a level) becomes one step of it.
    void setUndoStack(QUndoStack *stack);

    // The voice drawn faint behind; std::nullopt for none. Only drawn.
    void setSecondVoice(const std::optional<Voice> &voice);

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
    ShapeSource *m_second;
    QLabel *m_heading;
    EnvelopeView *m_envelopes[3];
    ResponseView *m_response;
    RangeView *m_notes;
    RangeView *m_velocities;
};
