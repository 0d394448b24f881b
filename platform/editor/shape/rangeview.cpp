#include "rangeview.h"

#include "shapesource.h"

#include <tparametermemory.h>

#include <QPainter>

namespace {

constexpr int rowHeight = 12;
constexpr int keyboardHeight = 28;
// The keys C0 to C6 of a drum voice are notes 24 to 96.
constexpr int firstDrumNote = 24;

bool isBlack(int note)
{
    const int n = note % 12;
    return n == 1 || n == 3 || n == 6 || n == 8 || n == 10;
}

} // namespace

RangeView::RangeView(ShapeSource *source, Kind kind, QWidget *parent)
    : ShapeGraph(source, kind == Notes ? tr("Note ranges") : tr("Velocity ranges"), parent)
    , m_kind(kind)
{
    setObjectName(kind == Notes ? QStringLiteral("noteRanges") : QStringLiteral("velocityRanges"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QSize RangeView::minimumSizeHint() const
{
    const int text = fontMetrics().height();
    const int rows = source()->isDrum() ? text : 4 * rowHeight;
    return { 260, 2 * text + 10 + rows + (m_kind == Notes ? keyboardHeight + 4 : 0) };
}

bool RangeView::available() const
{
    return m_kind == Notes || !source()->isDrum();
}

void RangeView::build()
{
    if (m_kind == Notes)
        setTitle(source()->isDrum() ? tr("Drum key") : tr("Note ranges"));
    m_rows = rowsOf(source(), &m_handles);
    m_secondRow.reset();
    if (showsSecond()) {
        const QVector<Row> rows = rowsOf(secondSource(), &m_secondPoints);
        if (source()->element() < rows.size())
            m_secondRow = rows.at(source()->element());
    }
}

QVector<RangeView::Row> RangeView::rowsOf(const ShapeSource *s, QVector<ShapeHandle> *points) const
{
    QVector<Row> rows;
    if (s->isDrum())
        return rows;
    const QString lowWord =
        m_kind == Notes ? QStringLiteral("NoteLimitLow") : QStringLiteral("VeloLimitLow");
    const QString highWord =
        m_kind == Notes ? QStringLiteral("NoteLimitHigh") : QStringLiteral("VeloLimitHigh");
    for (int element = 0; element < TParameterMemory::ElementCount; ++element) {
        const auto low = s->findInPart(QString(), lowWord, element);
        const auto high = s->findInPart(QString(), highWord, element);
        if (!low || !high)
            break;
        const Row row{ s->value(*low), s->value(*high) };
        rows << row;
        if (element != s->element())
            continue;
        const auto position = [](int v) { return double(v); };
        ShapeHandle lowEnd;
        lowEnd.name = m_kind == Notes ? tr("Lowest note") : tr("Lowest velocity");
        lowEnd.x = low;
        lowEnd.xAt = position;
        lowEnd.xHigh = row.high;
        lowEnd.at = QPointF(row.low, element);
        ShapeHandle highEnd;
        highEnd.name = m_kind == Notes ? tr("Highest note") : tr("Highest velocity");
        highEnd.x = high;
        highEnd.xAt = position;
        highEnd.xLow = row.low;
        highEnd.at = QPointF(row.high, element);
        *points << lowEnd << highEnd;
    }
    return rows;
}

QRectF RangeView::keyboardRect() const
{
    const QRectF plot = plotRect();
    // A drum voice has no ranges: its key's name goes above the keyboard.
    const double rows =
        source()->isDrum() ? QFontMetricsF(scaleFont()).height() + 2 : 4 * rowHeight + 4;
    return { plot.left(), plot.top() + rows, plot.width(), double(keyboardHeight) };
}

// Notes 0 to 127 each take a column; velocities 1 to 127 a point each.
double RangeView::xOf(double v) const
{
    const QRectF plot = plotRect();
    if (m_kind == Notes)
        return plot.left() + (v + 0.5) / 128 * plot.width();
    return plot.left() + (v - 1) / 126 * plot.width();
}

QPointF RangeView::toPixel(const QPointF &data) const
{
    return { xOf(data.x()), plotRect().top() + (data.y() + 0.5) * rowHeight };
}

void RangeView::paintShape(QPainter &painter)
{
    const QRectF plot = plotRect();
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);
    ShapeSource *s = source();
    if (!available()) {
        painter.setPen(text);
        painter.drawText(plot, Qt::AlignCenter, tr("A drum key plays at every velocity"));
        return;
    }

    // One row per element, named at the left; the second voice's range of
    // the shown element behind its row, a little taller than the voice's own.
    const QColor rangeColour(30, 100, 200);
    if (m_secondRow) {
        const double y = plot.top() + s->element() * rowHeight;
        const double left = qMin(xOf(m_secondRow->low), xOf(m_secondRow->high));
        const double right = qMax(xOf(m_secondRow->low), xOf(m_secondRow->high));
        QPen pen = secondPen(rangeColour);
        pen.setWidthF(1);
        QColor fill = pen.color();
        fill.setAlpha(50);
        painter.setPen(pen);
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(left, y + 0.5, qMax(2.0, right - left), rowHeight - 1), 2,
                                2);
    }
    paintSecondPoints(painter, rangeColour);
    for (int element = 0; element < m_rows.size(); ++element) {
        const Row &row = m_rows.at(element);
        const bool shown = element == s->element();
        const double y = plot.top() + element * rowHeight;
        painter.setPen(shown ? text : grid);
        drawGridLabel(painter, { plot.left() - 8, y + rowHeight / 2.0 },
                      tr("El %1").arg(element + 1), Qt::AlignRight | Qt::AlignVCenter);
        QColor colour = curveColour(shown ? rangeColour : QColor(150, 170, 200));
        const double left = qMin(xOf(row.low), xOf(row.high));
        const double right = qMax(xOf(row.low), xOf(row.high));
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawRoundedRect(QRectF(left, y + 2, qMax(2.0, right - left), rowHeight - 4), 2, 2);
    }

    if (m_kind == Velocities) {
        for (int v : { 1, 32, 64, 96, 127 }) {
            const double x = xOf(v);
            painter.setPen(QPen(grid, 0.5, Qt::DotLine));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.top() + 4 * rowHeight));
            painter.setPen(text);
            drawGridLabel(painter, { x, plot.top() + 4 * rowHeight + 2 }, QString::number(v),
                          Qt::AlignHCenter | Qt::AlignTop);
        }
        return;
    }

    // The keyboard: white keys, then black keys over them, the notes of the
    // shown range tinted, or the drum key marked.
    const QRectF keys = keyboardRect();
    const double column = keys.width() / 128;
    const int drumNote = s->isDrum() ? firstDrumNote + s->part() : -1;
    const Row shown =
        !s->isDrum() && s->element() < m_rows.size() ? m_rows.at(s->element()) : Row{ -1, -2 };
    auto tint = [&](int note) {
        if (note == drumNote)
            return curveColour(QColor(210, 110, 0));
        if (note >= shown.low && note <= shown.high && s->editable())
            return isBlack(note) ? QColor(40, 80, 150) : QColor(170, 200, 240);
        if (note >= shown.low && note <= shown.high)
            return isBlack(note) ? QColor(80, 80, 80) : QColor(215, 215, 215);
        return isBlack(note) ? QColor(30, 30, 30) : QColor(255, 255, 255);
    };
    painter.setPen(QPen(grid, 0.5));
    // A white key spans from the middle of the black key before it to the
    // middle of the one after.
    for (int note = 0; note < 128; ++note) {
        if (isBlack(note))
            continue;
        const double left =
            keys.left() + (note - (note > 0 && isBlack(note - 1) ? 0.5 : 0)) * column;
        const double right =
            keys.left() + (note + 1 + (note < 127 && isBlack(note + 1) ? 0.5 : 0)) * column;
        painter.setBrush(tint(note));
        painter.drawRect(QRectF(left, keys.top(), right - left, keys.height()));
    }
    for (int note = 0; note < 128; ++note) {
        if (!isBlack(note))
            continue;
        painter.setBrush(tint(note));
        painter.drawRect(
            QRectF(keys.left() + note * column, keys.top(), column, keys.height() * 0.6));
    }
    painter.setPen(text);
    for (int octave = -2; octave <= 8; octave += 2) {
        const int note = (octave + 2) * 12;
        drawGridLabel(painter, { xOf(note), keys.bottom() + 1 }, QStringLiteral("C%1").arg(octave),
                      Qt::AlignHCenter | Qt::AlignTop);
    }
    if (drumNote >= 0) {
        painter.setPen(text);
        drawGridLabel(painter, { xOf(drumNote), keys.top() - 2 },
                      tr("key %1").arg(PartNames::drumKeyName(s->part())),
                      Qt::AlignHCenter | Qt::AlignBottom);
    }
}
