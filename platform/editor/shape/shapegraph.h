#pragma once

#include <parameterref.h>

#include <QPointF>
#include <QPointer>
#include <QVector>
#include <QWidget>

#include <functional>
#include <optional>

class QUndoStack;
class ShapeSource;

// A point of a graph that edits up to two parameters: dragging it sideways
// moves `x`, up and down moves `y`. xAt and yAt give the graph coordinate
// of a value of each (a time in ms, a frequency in Hz, a level, a note).
struct ShapeHandle
{
    QString name;
    std::optional<ParameterRef> x;
    std::optional<ParameterRef> y;
    std::function<double(int)> xAt;
    std::function<double(int)> yAt;
    QPointF at;
    // The values x may take, within its range (a note range's ends do not cross).
    int xLow = INT_MIN;
    int xHigh = INT_MAX;
};

// The base of the Shape panel's graphs: points drawn over a plot that a
// musician drags or moves with the keys (arrows, Page Up and Down; Tab to
// the next point). Every move writes the point's parameters through the
// parameter memory, clamped to their ranges, and shows their value texts
// beside the pointer. The graph rebuilds itself from the memory whenever
// what it shows changes, wherever the change was made. In compare mode it
// shows the stored voice and refuses to move anything.
//
// With an undo stack (setUndoStack), a drag that moves both parameters of a
// point is one step of it; a drag or a held key of one parameter is one
// step by the history's own merging.
//
// With a second source of a voice (setSecondSource()), the graph draws that
// voice's shapes of the same part faint behind its own, computed by the
// same code from that voice's values. Its points are only drawn: they
// cannot be taken, moved or reached by screen readers.
class ShapeGraph : public QWidget
{
    Q_OBJECT

public:
    ShapeGraph(ShapeSource *source, const QString &title, QWidget *parent = nullptr);

    ShapeSource *source() const { return m_source; }
    QString title() const { return m_title; }
    void setUndoStack(QUndoStack *stack);

    int handleCount() const;
    const ShapeHandle &handle(int i) const;
    // The index of the point named `name`, or -1.
    int handleIndex(const QString &name) const;
    // Where point i is drawn, in widget coordinates.
    QPointF handlePixel(int i) const;
    int selected() const { return m_selected; }
    void setSelected(int i);
    // "Attack: AEG Attack Time 12.5ms, AEG Attack Level 127".
    QString describe(int i) const;

    // The second voice's source (null for none); its points, when it shows
    // a voice, named as the graph's own; where point i of it is drawn.
    void setSecondSource(ShapeSource *second);
    ShapeSource *secondSource() const { return m_second; }
    int secondPointCount() const;
    int secondPointIndex(const QString &name) const;
    const ShapeHandle &secondPoint(int i) const;
    QPointF secondPointPixel(int i) const;

    QSize minimumSizeHint() const override { return { 260, 110 }; }

signals:
    // A move was refused (compare mode); the reason for the status bar.
    void refused(const QString &message);

protected:
    // Fills m_handles, and whatever the graph draws, from the memory; and
    // m_secondPoints with the second voice's when showsSecond().
    virtual void build() = 0;
    virtual QPointF toPixel(const QPointF &data) const = 0;
    virtual void paintShape(QPainter &painter) = 0;
    // A drag keeps the graph's scales as they were when it began.
    virtual void setScalesFrozen(bool frozen) { Q_UNUSED(frozen) }

    void ensureBuilt() const;
    void setTitle(const QString &title);
    QRectF plotRect() const;
    // The font of the scales, a little smaller than the titles'.
    QFont scaleFont() const;
    bool dragging() const { return m_drag >= 0; }
    // The colour of the graph's curve; grey in compare mode.
    QColor curveColour(const QColor &colour) const;
    // Whether the second source shows a voice to draw behind.
    bool showsSecond() const;
    // The second voice's pen: its curve's colour, light, dashed and thinner.
    QPen secondPen(const QColor &colour) const;
    // The second voice's points, small and light, in `colour`.
    void paintSecondPoints(QPainter &painter, const QColor &colour) const;
    void drawGridLabel(QPainter &painter, const QPointF &at, const QString &text,
                       Qt::Alignment alignment) const;

    QVector<ShapeHandle> m_handles;
    QVector<ShapeHandle> m_secondPoints;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    bool event(QEvent *event) override;

private:
    int handleAt(const QPointF &pixel) const;
    bool refuseWhenComparing(int i);
    void dragTo(int i, const QPointF &pixel);
    void step(int i, int dx, int dy);
    void write(const ParameterRef &ref, int v);
    void finishDrag();
    QString valueLabel(int i) const;
    void paintLabel(QPainter &painter);
    void updateAccessibleText();
    void rebuildSoon();

    ShapeSource *m_source;
    ShapeSource *m_second = nullptr;
    QString m_title;
    QPointer<QUndoStack> m_stack;
    bool m_dirty = true;
    bool m_building = false;
    int m_selected = -1;
    int m_drag = -1;
    QPointF m_pointer;
    // From the pointer to the centre of the point dragged.
    QPointF m_grabOffset;
    bool m_showLabel = false;
    bool m_stepOpen = false;
    std::optional<ParameterRef> m_startX, m_startY;
    int m_startXValue = 0;
    int m_startYValue = 0;
};
