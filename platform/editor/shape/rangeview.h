#pragma once

#include "shapegraph.h"

// The four elements' note ranges over a keyboard, or their velocity ranges
// over a velocity strip, one row per element, the shown element's row
// highlighted with its two ends to drag (an end does not pass the other).
// For a drum voice the keyboard marks the current drum key.
class RangeView : public ShapeGraph
{
    Q_OBJECT

public:
    enum Kind { Notes, Velocities };

    RangeView(ShapeSource *source, Kind kind, QWidget *parent = nullptr);

    Kind kind() const { return m_kind; }
    bool available() const;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void build() override;
    QPointF toPixel(const QPointF &data) const override;
    void paintShape(QPainter &painter) override;

private:
    struct Row
    {
        int low;
        int high;
    };
    // The four elements' ranges `s` reads, and the shown element's ends.
    QVector<Row> rowsOf(const ShapeSource *s, QVector<ShapeHandle> *points) const;
    QRectF keyboardRect() const;
    double xOf(double v) const;

    Kind m_kind;
    QVector<Row> m_rows;
    // The second voice's range of the shown element.
    std::optional<Row> m_secondRow;
};
