#include "shapegraph.h"

#include "shapesource.h"

#include <QAccessible>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <QToolTip>
#include <QUndoStack>

#include <cmath>

namespace {

// How near the pointer must come to a point to take it, in pixels.
constexpr double grabRadius = 10;
constexpr double handleRadius = 4.5;

} // namespace

ShapeGraph::ShapeGraph(ShapeSource *source, const QString &title, QWidget *parent)
    : QWidget(parent)
    , m_source(source)
    , m_title(title)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAccessibleName(title);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Many changes at once (a load) rebuild once; what screen readers hear
    // follows even while nothing is painted.
    connect(source, &ShapeSource::changed, this, &ShapeGraph::rebuildSoon);
}

void ShapeGraph::rebuildSoon()
{
    if (!m_dirty)
        QTimer::singleShot(0, this, [this] { ensureBuilt(); });
    m_dirty = true;
    update();
}

void ShapeGraph::setSecondSource(ShapeSource *second)
{
    if (m_second)
        disconnect(m_second, nullptr, this, nullptr);
    m_second = second;
    if (second)
        connect(second, &ShapeSource::changed, this, &ShapeGraph::rebuildSoon);
    rebuildSoon();
}

bool ShapeGraph::showsSecond() const
{
    return m_second && m_second->hasVoice();
}

int ShapeGraph::secondPointCount() const
{
    ensureBuilt();
    return int(m_secondPoints.size());
}

int ShapeGraph::secondPointIndex(const QString &name) const
{
    ensureBuilt();
    for (int i = 0; i < m_secondPoints.size(); ++i)
        if (m_secondPoints.at(i).name == name)
            return i;
    return -1;
}

const ShapeHandle &ShapeGraph::secondPoint(int i) const
{
    ensureBuilt();
    return m_secondPoints.at(i);
}

QPointF ShapeGraph::secondPointPixel(int i) const
{
    ensureBuilt();
    return toPixel(m_secondPoints.at(i).at);
}

void ShapeGraph::setTitle(const QString &title)
{
    m_title = title;
}

void ShapeGraph::setUndoStack(QUndoStack *stack)
{
    m_stack = stack;
}

void ShapeGraph::ensureBuilt() const
{
    if (!m_dirty || m_building)
        return;
    auto *self = const_cast<ShapeGraph *>(this);
    self->m_building = true;
    self->m_handles.clear();
    self->m_secondPoints.clear();
    self->build();
    self->m_dirty = false;
    self->m_building = false;
    if (m_selected >= m_handles.size())
        self->m_selected = int(m_handles.size()) - 1;
    self->updateAccessibleText();
}

int ShapeGraph::handleCount() const
{
    ensureBuilt();
    return int(m_handles.size());
}

const ShapeHandle &ShapeGraph::handle(int i) const
{
    ensureBuilt();
    return m_handles.at(i);
}

int ShapeGraph::handleIndex(const QString &name) const
{
    ensureBuilt();
    for (int i = 0; i < m_handles.size(); ++i)
        if (m_handles.at(i).name == name)
            return i;
    return -1;
}

QPointF ShapeGraph::handlePixel(int i) const
{
    ensureBuilt();
    return toPixel(m_handles.at(i).at);
}

void ShapeGraph::setSelected(int i)
{
    ensureBuilt();
    i = m_handles.isEmpty() ? -1 : qBound(0, i, int(m_handles.size()) - 1);
    if (i == m_selected)
        return;
    m_selected = i;
    updateAccessibleText();
    if (hasFocus() && i >= 0 && QAccessible::isActive()) {
        // The child's index counts the points that can be moved.
        int child = 0;
        for (int j = 0; j < i; ++j)
            child += m_handles.at(j).x || m_handles.at(j).y ? 1 : 0;
        QAccessibleEvent focus(this, QAccessible::Focus);
        focus.setChild(child);
        QAccessible::updateAccessibility(&focus);
    }
    update();
}

QString ShapeGraph::describe(int i) const
{
    ensureBuilt();
    const ShapeHandle &h = m_handles.at(i);
    QStringList parts;
    for (const std::optional<ParameterRef> &ref : { h.x, h.y })
        if (ref)
            parts << QStringLiteral("%1 %2").arg(m_source->name(*ref), m_source->text(*ref));
    if (parts.isEmpty())
        return h.name;
    return QStringLiteral("%1: %2").arg(h.name, parts.join(QStringLiteral(", ")));
}

QFont ShapeGraph::scaleFont() const
{
    QFont small = font();
    small.setPointSizeF(font().pointSizeF() * 0.85);
    return small;
}

// Room for the title above, the level scale at the left and the time or
// frequency scale below.
QRectF ShapeGraph::plotRect() const
{
    const QFontMetricsF title(font());
    const QFontMetricsF scale(scaleFont());
    return QRectF(rect()).adjusted(
        scale.horizontalAdvance(QStringLiteral("+24dB")) + 6, title.height() + 4,
        -scale.horizontalAdvance(QStringLiteral("0000")) / 2 - 4, -scale.height() - 3);
}

QColor ShapeGraph::curveColour(const QColor &colour) const
{
    return m_source->editable() ? colour : QColor(128, 128, 128);
}

// Light enough to read as behind the voice's own curve, on the light and
// dark palettes alike; dashed so that it reads without colour too.
QPen ShapeGraph::secondPen(const QColor &colour) const
{
    QColor light = curveColour(colour);
    light.setAlpha(120);
    QPen pen(light, 1.5, Qt::DashLine, Qt::FlatCap, Qt::RoundJoin);
    pen.setDashPattern({ 4, 3 });
    return pen;
}

void ShapeGraph::paintSecondPoints(QPainter &painter, const QColor &colour) const
{
    painter.save();
    QColor light = curveColour(colour);
    light.setAlpha(120);
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    for (const ShapeHandle &h : m_secondPoints)
        painter.drawEllipse(toPixel(h.at), handleRadius - 1.5, handleRadius - 1.5);
    painter.restore();
}

void ShapeGraph::drawGridLabel(QPainter &painter, const QPointF &at, const QString &text,
                               Qt::Alignment alignment) const
{
    const QFontMetricsF metrics(painter.font());
    const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
    QPointF corner = at;
    if (alignment & Qt::AlignRight)
        corner.rx() -= size.width();
    else if (alignment & Qt::AlignHCenter)
        corner.rx() -= size.width() / 2;
    if (alignment & Qt::AlignVCenter)
        corner.ry() -= size.height() / 2;
    else if (alignment & Qt::AlignBottom)
        corner.ry() -= size.height();
    painter.drawText(QRectF(corner, size), Qt::AlignCenter, text);
}

void ShapeGraph::paintEvent(QPaintEvent *)
{
    ensureBuilt();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QRectF plot = plotRect();
    painter.setPen(palette().color(QPalette::Text));
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRectF(plot.left(), 1, plot.width(), plot.top() - 2),
                     Qt::AlignLeft | Qt::AlignVCenter, m_title);
    painter.setFont(scaleFont());
    painter.save();
    paintShape(painter);
    painter.restore();

    for (int i = 0; i < m_handles.size(); ++i) {
        const ShapeHandle &h = m_handles.at(i);
        const bool movable = h.x || h.y;
        const QPointF at = toPixel(h.at);
        const bool chosen = i == m_selected;
        const double r = chosen ? handleRadius + 1.5 : handleRadius;
        painter.setPen(QPen(palette().color(QPalette::Text), 1.2));
        painter.setBrush(!movable                             ? palette().base()
                             : chosen && m_source->editable() ? palette().highlight()
                                                              : palette().button());
        painter.drawEllipse(at, r, r);
        if (chosen && hasFocus()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
            painter.drawEllipse(at, r + 3, r + 3);
        }
    }
    if (m_showLabel)
        paintLabel(painter);
}

// The moved point's value texts in a box beside the pointer (or the point,
// for the keys), kept inside the graph.
void ShapeGraph::paintLabel(QPainter &painter)
{
    const int i = m_drag >= 0 ? m_drag : m_selected;
    if (i < 0 || i >= m_handles.size())
        return;
    const QString text = valueLabel(i);
    if (text.isEmpty())
        return;
    const QFontMetricsF metrics(font());
    const QSizeF size(metrics.horizontalAdvance(text) + 10, metrics.height() + 4);
    const QPointF anchor = m_drag >= 0 ? m_pointer : toPixel(m_handles.at(i).at);
    QRectF box(anchor + QPointF(12, -size.height() - 6), size);
    if (box.right() > width() - 2)
        box.moveRight(anchor.x() - 12);
    if (box.top() < 2)
        box.moveTop(anchor.y() + 12);
    box.moveLeft(qMax(2.0, box.left()));
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.setBrush(palette().toolTipBase());
    painter.setFont(font());
    painter.drawRoundedRect(box, 3, 3);
    painter.drawText(box, Qt::AlignCenter, text);
}

QString ShapeGraph::valueLabel(int i) const
{
    const ShapeHandle &h = m_handles.at(i);
    QStringList parts;
    for (const std::optional<ParameterRef> &ref : { h.x, h.y })
        if (ref)
            parts << QStringLiteral("%1 %2").arg(m_source->name(*ref), m_source->text(*ref));
    return parts.join(QStringLiteral("  "));
}

int ShapeGraph::handleAt(const QPointF &pixel) const
{
    ensureBuilt();
    int best = -1;
    double bestDistance = grabRadius;
    for (int i = 0; i < m_handles.size(); ++i) {
        if (!m_handles.at(i).x && !m_handles.at(i).y)
            continue;
        const double d = QLineF(pixel, toPixel(m_handles.at(i).at)).length();
        if (d <= bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

bool ShapeGraph::refuseWhenComparing(int i)
{
    if (m_source->editable())
        return false;
    const QString message =
        tr("Compare shows the stored voice: leave Compare to change %1").arg(m_handles.at(i).name);
    emit refused(message);
    QToolTip::showText(mapToGlobal(toPixel(m_handles.at(i).at).toPoint()), message, this);
    return true;
}

void ShapeGraph::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    const int i = handleAt(event->position());
    if (i < 0)
        return;
    setSelected(i);
    if (refuseWhenComparing(i))
        return;
    const ShapeHandle &h = m_handles.at(i);
    m_drag = i;
    m_pointer = event->position();
    m_grabOffset = toPixel(h.at) - m_pointer;
    m_startX = h.x;
    m_startY = h.y;
    m_startXValue = h.x ? m_source->value(*h.x) : 0;
    m_startYValue = h.y ? m_source->value(*h.y) : 0;
    m_showLabel = true;
    setScalesFrozen(true);
    update();
}

void ShapeGraph::mouseMoveEvent(QMouseEvent *event)
{
    if (m_drag < 0) {
        const int i = handleAt(event->position());
        setCursor(i >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        setToolTip(i >= 0 ? describe(i) : QString());
        return;
    }
    m_pointer = event->position();
    dragTo(m_drag, m_pointer + m_grabOffset);
    update();
}

void ShapeGraph::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_drag < 0 || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    finishDrag();
}

// The value of each parameter of the point whose place is nearest the pointer.
void ShapeGraph::dragTo(int i, const QPointF &pixel)
{
    ensureBuilt();
    if (i >= m_handles.size())
        return;
    const ShapeHandle h = m_handles.at(i);
    auto nearest = [this](const ParameterRef &ref, int low, int high,
                          const std::function<double(int)> &coordinate) {
        int best = m_source->value(ref);
        double bestDistance = std::numeric_limits<double>::infinity();
        for (int v = qMax(low, m_source->minimum(ref)); v <= qMin(high, m_source->maximum(ref));
             ++v) {
            const double d = coordinate(v);
            if (d < bestDistance) {
                best = v;
                bestDistance = d;
            }
        }
        return best;
    };
    if (h.x)
        write(*h.x, nearest(*h.x, h.xLow, h.xHigh, [&](int v) {
            const double c = h.xAt(v);
            return std::isfinite(c) ? std::abs(toPixel({ c, h.at.y() }).x() - pixel.x())
                                    : std::numeric_limits<double>::infinity();
        }));
    ensureBuilt();
    if (h.y && i < m_handles.size()) {
        const ShapeHandle &now = m_handles.at(i);
        write(*h.y, nearest(*h.y, INT_MIN, INT_MAX, [&](int v) {
            const double c = now.yAt(v);
            return std::isfinite(c) ? std::abs(toPixel({ now.at.x(), c }).y() - pixel.y())
                                    : std::numeric_limits<double>::infinity();
        }));
    }
}

void ShapeGraph::write(const ParameterRef &ref, int v)
{
    if (v == m_source->value(ref))
        return;
    // A drag of both parameters of a point is one step of the history.
    if (m_drag >= 0 && m_startX && m_startY && m_stack && !m_stepOpen) {
        m_stack->beginMacro(m_handles.at(m_drag).name);
        m_stepOpen = true;
    }
    m_source->write(ref, v);
}

void ShapeGraph::finishDrag()
{
    if (m_stepOpen && m_stack) {
        QStringList changes;
        const auto change = [this](const ParameterRef &ref, int from) {
            const int to = m_source->value(ref);
            return to == from
                ? QString()
                : QStringLiteral("%1: %2 -> %3")
                      .arg(m_source->name(ref), m_source->text(ref, from), m_source->text(ref, to));
        };
        for (const QString &text :
             { change(*m_startX, m_startXValue), change(*m_startY, m_startYValue) })
            if (!text.isEmpty())
                changes << text;
        if (!changes.isEmpty()) {
            changes.first().replace(QStringLiteral(": "),
                                    QStringLiteral(", %1: ").arg(m_source->partName()));
            // The open step is the stack's last command until it ends (a
            // load during the drag may have cleared the stack).
            if (auto *open = const_cast<QUndoCommand *>(m_stack->command(m_stack->count() - 1)))
                open->setText(changes.join(QStringLiteral("; ")));
        }
        m_stack->endMacro();
    }
    m_stepOpen = false;
    m_drag = -1;
    m_showLabel = false;
    m_startX.reset();
    m_startY.reset();
    setScalesFrozen(false);
    m_dirty = true;
    update();
}

// One value step of the selected point: dx sideways, dy upwards. A point
// that moves only one way takes either.
void ShapeGraph::step(int i, int dx, int dy)
{
    if (refuseWhenComparing(i))
        return;
    const ShapeHandle h = m_handles.at(i);
    if (!h.y && dy) {
        dx = dy;
        dy = 0;
    } else if (!h.x && dx) {
        dy = dx;
        dx = 0;
    }
    if (h.x && dx)
        m_source->write(*h.x, qBound(h.xLow, m_source->value(*h.x) + dx, h.xHigh));
    // A level read upwards grows with its value; a resonance or gain too.
    if (h.y && dy)
        m_source->write(*h.y, m_source->value(*h.y) + dy);
    ensureBuilt();
    m_showLabel = true;
    update();
}

void ShapeGraph::keyPressEvent(QKeyEvent *event)
{
    ensureBuilt();
    if (m_selected < 0 && !m_handles.isEmpty())
        setSelected(0);
    const int i = m_selected;
    if (i < 0)
        return QWidget::keyPressEvent(event);
    const int size = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        return step(i, -size, 0);
    case Qt::Key_Right:
        return step(i, size, 0);
    case Qt::Key_Up:
        return step(i, 0, size);
    case Qt::Key_Down:
        return step(i, 0, -size);
    case Qt::Key_PageUp:
        return step(i, 0, 10);
    case Qt::Key_PageDown:
        return step(i, 0, -10);
    case Qt::Key_Escape:
        m_showLabel = false;
        update();
        return;
    default:
        return QWidget::keyPressEvent(event);
    }
}

// Tab goes from point to point, and on to the next control after the last.
bool ShapeGraph::focusNextPrevChild(bool next)
{
    ensureBuilt();
    int i = m_selected + (next ? 1 : -1);
    while (i >= 0 && i < m_handles.size() && !m_handles.at(i).x && !m_handles.at(i).y)
        i += next ? 1 : -1;
    if (i >= 0 && i < m_handles.size()) {
        setSelected(i);
        m_showLabel = true;
        update();
        return true;
    }
    m_showLabel = false;
    return QWidget::focusNextPrevChild(next);
}

bool ShapeGraph::event(QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        ensureBuilt();
        if (m_selected < 0)
            for (int i = 0; i < m_handles.size() && m_selected < 0; ++i)
                if (m_handles.at(i).x || m_handles.at(i).y)
                    setSelected(i);
    } else if (event->type() == QEvent::FocusOut && m_drag < 0) {
        m_showLabel = false;
    }
    return QWidget::event(event);
}

// Screen readers hear the graph by its title, the selected point as its
// value, and every point with its parameters in the description.
void ShapeGraph::updateAccessibleText()
{
    QStringList points;
    for (int i = 0; i < m_handles.size(); ++i)
        if (m_handles.at(i).x || m_handles.at(i).y)
            points << describe(i);
    setAccessibleDescription(points.join(QStringLiteral("; ")));
    setAccessibleName(m_selected >= 0 && m_selected < m_handles.size()
                          ? QStringLiteral("%1, %2").arg(m_title, describe(m_selected))
                          : m_title);
}
