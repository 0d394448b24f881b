#pragma once

#include "shapegraph.h"

#include <QPolygonF>

// One envelope of the shown element or drum key as a curve of level over
// time: from key-on through its breakpoints (each a time and a level) to the
// sustain, then from key-off through the release. Times read in ms and s as
// the parameters' value texts give them, levels as the parameters read
// (0 to 127 for the amplitude, -64 to +63 around the centre for the filter
// and pitch envelopes). Dragging a breakpoint sets its segment's time and
// its level together.
class EnvelopeView : public ShapeGraph
{
    Q_OBJECT

public:
    enum Kind { Amplitude, Filter, Pitch };

    EnvelopeView(ShapeSource *source, Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    // Whether the shown voice has this envelope (drum keys have only the amplitude's).
    bool available() const;
    // The curve, as (ms, level) points in time order; the second voice's
    // (empty without one).
    QPolygonF curve() const;
    QPolygonF secondCurve() const;
    // The curve's level at `ms` after key-on (after a jump at that time).
    double levelAt(double ms) const;
    double keyOffTime() const;

protected:
    void build() override;
    QPointF toPixel(const QPointF &data) const override;
    void paintShape(QPainter &painter) override;
    void setScalesFrozen(bool frozen) override { m_frozen = frozen; }

private:
    // What a voice's values make of the envelope.
    struct Shape
    {
        QPolygonF curve;
        QVector<ShapeHandle> points;
        double keyOff = 0;
        // When the slowest of the element's envelopes ends.
        double longest = 0;
        double low = 0;
        double high = 127;
    };
    Shape shapeOf(const ShapeSource *s) const;
    std::optional<ParameterRef> find(const ShapeSource *s, Kind kind, const char *word) const;
    double segmentTimes(const ShapeSource *s, Kind kind, bool release) const;

    Kind m_kind;
    QPolygonF m_curve;
    QPolygonF m_secondCurve;
    double m_keyOff = 0;
    double m_span = 1000;
    double m_low = 0;
    double m_high = 127;
    bool m_frozen = false;
};
