#include "envelopeview.h"

#include "shapesource.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// A breakpoint: the parameter words of its segment's time and its level
// (empty for a time of 0 at key-on, or a fixed level).
struct Breakpoint
{
    const char *name;
    const char *time;
    const char *level;
    double fixedLevel;
};

// clang-format off
constexpr Breakpoint amplitudePoints[] = {
    { "Key on", "", "InitLevel", 0 },         { "Attack", "AttackTime", "AttackLevel", 0 },
    { "Decay 1", "Decay1Time", "Decay1Level", 0 }, { "Decay 2", "Decay2Time", "Decay2Level", 0 },
    { "Release", "ReleaseTime", "", 0 },
};
// clang-format on
// clang-format off
constexpr Breakpoint modulationPoints[] = {
    { "Key on", "", "HoldLevel", 0 },         { "Hold", "HoldTime", "HoldLevel", 0 },
    { "Attack", "AttackTime", "AttackLevel", 0 }, { "Decay 1", "Decay1Time", "Decay1Level", 0 },
    { "Decay 2", "Decay2Time", "Decay2Level", 0 }, { "Release", "ReleaseTime", "ReleaseLevel", 0 },
};
// clang-format on
// A drum key sounds once: up to full level, down through decay 1 to
// silence at the end of decay 2.
// clang-format off
constexpr Breakpoint drumPoints[] = {
    { "Key on", "", "", 0 },
    { "Attack", "AttackTime", "", 127 },
    { "Decay 1", "Decay1Time", "Decay1Level", 0 },
    { "Decay 2", "Decay2Time", "", 0 },
};
// clang-format on

// A round step of about a sixth of `span`: 1, 2 or 5 times a power of ten.
double tickStep(double span, int ticks)
{
    const double raw = span / ticks;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : { 1.0, 2.0, 5.0 })
        if (raw <= m * power)
            return m * power;
    return 10 * power;
}

QString timeText(double ms)
{
    if (ms == 0)
        return QStringLiteral("0");
    if (ms >= 1000)
        return QStringLiteral("%1s").arg(ms / 1000, 0, 'g', 3);
    return QStringLiteral("%1ms").arg(ms, 0, 'g', 3);
}

} // namespace

EnvelopeView::EnvelopeView(ShapeSource *source, Kind kind, QWidget *parent)
    : ShapeGraph(source,
                 kind == Amplitude    ? tr("Amplitude envelope")
                     : kind == Filter ? tr("Filter envelope")
                                      : tr("Pitch envelope"),
                 parent)
    , m_kind(kind)
{
    setObjectName(kind == Amplitude    ? QStringLiteral("amplitudeEnvelope")
                      : kind == Filter ? QStringLiteral("filterEnvelope")
                                       : QStringLiteral("pitchEnvelope"));
}

bool EnvelopeView::available() const
{
    return m_kind == Amplitude || !source()->isDrum();
}

QPolygonF EnvelopeView::curve() const
{
    ensureBuilt();
    return m_curve;
}

QPolygonF EnvelopeView::secondCurve() const
{
    ensureBuilt();
    return m_secondCurve;
}

double EnvelopeView::keyOffTime() const
{
    ensureBuilt();
    return m_keyOff;
}

double EnvelopeView::levelAt(double ms) const
{
    ensureBuilt();
    if (m_curve.isEmpty())
        return 0;
    for (int i = int(m_curve.size()) - 1; i >= 0; --i) {
        const QPointF &a = m_curve.at(i);
        if (a.x() > ms)
            continue;
        if (i + 1 >= m_curve.size())
            return a.y();
        const QPointF &b = m_curve.at(i + 1);
        return b.x() <= a.x() ? b.y() : a.y() + (b.y() - a.y()) * (ms - a.x()) / (b.x() - a.x());
    }
    return m_curve.first().y();
}

namespace {

// The breakpoints of an envelope of a normal or plug-in element, or of a drum key.
std::pair<const Breakpoint *, const Breakpoint *> breakpointsOf(EnvelopeView::Kind kind, bool drum)
{
    if (drum)
        return { std::begin(drumPoints), std::end(drumPoints) };
    if (kind == EnvelopeView::Amplitude)
        return { std::begin(amplitudePoints), std::end(amplitudePoints) };
    return { std::begin(modulationPoints), std::end(modulationPoints) };
}

} // namespace

std::optional<ParameterRef> EnvelopeView::find(const ShapeSource *s, Kind kind,
                                               const char *word) const
{
    if (!*word)
        return std::nullopt;
    static const char *const groups[] = { "Amplitude", "Filter", "Pitch" };
    static const char *const prefixes[] = { "AEG", "FEG", "PEG" };
    return s->find(QLatin1String(groups[kind]),
                   QLatin1String(prefixes[kind]) + QLatin1String(word));
}

// The times of an envelope's segments up to the sustain, or of its release.
double EnvelopeView::segmentTimes(const ShapeSource *s, Kind kind, bool release) const
{
    const auto [begin, end] = breakpointsOf(kind, s->isDrum());
    double sum = 0;
    for (const Breakpoint *b = begin; b != end; ++b)
        if ((QLatin1String(b->time) == QLatin1String("ReleaseTime")) == release)
            if (const auto time = find(s, kind, b->time))
                sum += s->number(*time);
    return sum;
}

void EnvelopeView::build()
{
    m_curve.clear();
    m_secondCurve.clear();
    if (!available())
        return;
    Shape shape = shapeOf(source());
    m_curve = shape.curve;
    m_handles = shape.points;
    m_keyOff = shape.keyOff;
    m_low = shape.low;
    m_high = shape.high;
    double longest = shape.longest;
    if (showsSecond()) {
        const Shape second = shapeOf(secondSource());
        m_secondCurve = second.curve;
        m_secondPoints = second.points;
        longest = qMax(longest, second.longest);
    }
    if (!m_frozen) {
        const double total = qMax(longest, 1.0);
        const double step = tickStep(total * 1.05, 5);
        m_span = std::ceil(total * 1.05 / step) * step;
    }
}

EnvelopeView::Shape EnvelopeView::shapeOf(const ShapeSource *s) const
{
    Shape shape;
    const bool drum = s->isDrum();
    const auto [begin, end] = breakpointsOf(m_kind, drum);
    const auto find = [this, s](const char *word) { return this->find(s, m_kind, word); };

    // The level axis reads as the envelope's levels do.
    shape.low = m_kind == Amplitude ? 0 : -64;
    shape.high = m_kind == Amplitude ? 127 : 63;
    for (const Breakpoint *b = begin; b != end; ++b)
        if (const auto level = find(b->level)) {
            shape.low = s->number(*level, s->minimum(*level));
            shape.high = s->number(*level, s->maximum(*level));
            break;
        }

    // The envelopes of an element share their key-off and time scale: the
    // key is let go a while after the longest of them reaches its sustain.
    const QVector<Kind> kinds =
        drum ? QVector<Kind>{ Amplitude } : QVector<Kind>{ Amplitude, Filter, Pitch };
    double onset = 0;
    for (Kind kind : kinds)
        onset = qMax(onset, segmentTimes(s, kind, false));
    shape.keyOff = drum ? onset : onset + qMax(60.0, 0.35 * onset);
    shape.longest = shape.keyOff;
    for (Kind kind : kinds)
        shape.longest = qMax(shape.longest, shape.keyOff + segmentTimes(s, kind, true));

    double time = 0;
    double level = 0;
    for (const Breakpoint *b = begin; b != end; ++b) {
        ShapeHandle h;
        h.name = tr(b->name);
        h.x = find(b->time);
        h.y = find(b->level);
        const bool release = QLatin1String(b->time) == QLatin1String("ReleaseTime");
        if (release) {
            // The sustain until key-off; a sustain time that is not Hold lets
            // the level fall to nothing meanwhile.
            const double hold = shape.keyOff - time;
            const auto sustainTime = m_kind == Amplitude ? find("SustainTime") : std::nullopt;
            const double fall = sustainTime ? s->number(*sustainTime) : NAN;
            if (std::isfinite(fall) && fall < hold) {
                shape.curve << QPointF(time + fall, 0);
                level = 0;
            } else if (std::isfinite(fall) && fall > 0) {
                level *= 1 - hold / fall;
            }
            shape.curve << QPointF(shape.keyOff, level);
            time = shape.keyOff;
        }
        const double start = time;
        if (h.x) {
            h.xAt = [s, ref = *h.x, start](int v) { return start + s->number(ref, v); };
            time = h.xAt(s->value(*h.x));
        }
        if (h.y) {
            h.yAt = [s, ref = *h.y](int v) { return s->number(ref, v); };
            level = h.yAt(s->value(*h.y));
        } else if (*b->level == 0) {
            level = b->fixedLevel;
        }
        if (release && m_kind == Amplitude)
            level = 0;
        h.at = QPointF(time, level);
        shape.curve << h.at;
        shape.points << h;
    }
    return shape;
}

QPointF EnvelopeView::toPixel(const QPointF &data) const
{
    const QRectF plot = plotRect();
    return { plot.left() + data.x() / m_span * plot.width(),
             plot.bottom() - (data.y() - m_low) / qMax(1.0, m_high - m_low) * plot.height() };
}

void EnvelopeView::paintShape(QPainter &painter)
{
    const QRectF plot = plotRect();
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);
    painter.setPen(QPen(grid, 1));
    painter.drawRect(plot);
    if (!available()) {
        painter.setPen(text);
        painter.drawText(plot, Qt::AlignCenter, tr("%1: none on a drum key").arg(title()));
        return;
    }

    // Time across, in ms or s; levels up.
    const double step = tickStep(m_span, 5);
    for (double t = 0; t <= m_span + step / 2; t += step) {
        const double x = toPixel({ t, 0 }).x();
        painter.setPen(QPen(grid, 0.5, Qt::DotLine));
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.setPen(text);
        drawGridLabel(painter, { x, plot.bottom() + 2 }, timeText(t),
                      Qt::AlignHCenter | Qt::AlignTop);
    }
    const bool centred = m_low < 0;
    const double levels[] = { m_low, centred ? (m_low / 2) : (m_high + 1) / 4,
                              centred ? 0.0 : (m_high + 1) / 2,
                              centred ? (m_high + 1) / 2 : 3 * (m_high + 1) / 4, m_high };
    for (double l : levels) {
        const double y = toPixel({ 0, l }).y();
        painter.setPen(QPen(grid, l == 0 && centred ? 1 : 0.5,
                            l == 0 && centred ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        const QString label = centred && l > 0 ? QStringLiteral("+%1").arg(l) : QString::number(l);
        drawGridLabel(painter, { plot.left() - 3, y }, label, Qt::AlignRight | Qt::AlignVCenter);
    }

    // Key-on and key-off.
    painter.setPen(QPen(QColor(0, 140, 60), 1, Qt::DashLine));
    // A drum key plays to its end whatever the key does.
    const int marks = source()->isDrum() ? 1 : 2;
    const std::pair<double, QString> keys[] = { { 0.0, tr("key on") },
                                                { m_keyOff, tr("key off") } };
    for (int i = 0; i < marks; ++i) {
        const auto &[t, label] = keys[i];
        const double x = toPixel({ t, 0 }).x();
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        drawGridLabel(painter, { x + 3, plot.top() + 1 }, label, Qt::AlignLeft | Qt::AlignTop);
    }

    const QColor colour = curveColour(m_kind == Amplitude    ? QColor(30, 100, 200)
                                          : m_kind == Filter ? QColor(210, 110, 0)
                                                             : QColor(140, 60, 180));
    painter.setClipRect(plot.adjusted(-1, -6, 6, 1));
    if (!m_secondCurve.isEmpty()) {
        QPolygonF second;
        for (const QPointF &p : std::as_const(m_secondCurve))
            second << toPixel(p);
        painter.setPen(secondPen(colour));
        painter.drawPolyline(second);
        paintSecondPoints(painter, colour);
    }
    QPolygonF line;
    for (const QPointF &p : std::as_const(m_curve))
        line << toPixel(p);
    if (m_kind == Amplitude && !line.isEmpty()) {
        QPainterPath area;
        area.moveTo(line.first().x(), plot.bottom());
        for (const QPointF &p : std::as_const(line))
            area.lineTo(p);
        area.lineTo(line.last().x(), plot.bottom());
        QColor fill = colour;
        fill.setAlpha(40);
        painter.fillPath(area, fill);
    }
    painter.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(line);
}
