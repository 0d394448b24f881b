#include "responseview.h"

#include "filterresponse.h"
#include "shapesource.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

ResponseView::ResponseView(ShapeSource *source, QWidget *parent)
    : ShapeGraph(source, tr("Filter and EQ"), parent)
{
    setObjectName(QStringLiteral("filterResponse"));
}

double ResponseView::filterDb(const Settings &s, double f)
{
    return FilterResponse::filterDb(s.filterType, s.cutoff, s.resonance, s.distance, s.gain, f)
        + FilterResponse::highPassDb(s.highPass, f);
}

double ResponseView::eqDb(const Settings &s, double f)
{
    return FilterResponse::eqDb(s.eqType, s.f1, s.g1, s.f2, s.g2, s.q, f);
}

double ResponseView::filterDbAt(double f) const
{
    ensureBuilt();
    return filterDb(m_settings, f);
}

double ResponseView::eqDbAt(double f) const
{
    ensureBuilt();
    return eqDb(m_settings, f);
}

void ResponseView::build()
{
    m_settings = settingsOf(source(), &m_handles);
    const auto type = source()->find(QStringLiteral("Filter"), QStringLiteral("FilterType"));
    m_typeShown = type ? m_settings.filterType : tr("low-pass");
    m_second.reset();
    if (showsSecond())
        m_second = settingsOf(secondSource(), &m_secondPoints);
}

ResponseView::Settings ResponseView::settingsOf(const ShapeSource *s,
                                                QVector<ShapeHandle> *points) const
{
    Settings settings;
    const QString filter = QStringLiteral("Filter");
    const QString eq = QStringLiteral("EQ");
    const auto type = s->find(filter, QStringLiteral("FilterType"));
    // A drum key's filter is a low-pass filter of the default kind.
    settings.filterType = type ? s->text(*type) : QStringLiteral("LPF24 Digital");
    const auto cutoff = s->find(filter, QStringLiteral("FilterCutoffFreq"));
    const auto resonance = s->find(filter, QStringLiteral("FilterResonance"));
    const auto distance = s->find(filter, QStringLiteral("Distance"));
    const auto gain = s->find(filter, QStringLiteral("FilterGain"));
    const auto highPass = s->find(filter, QStringLiteral("HPFCutoffFreq"));
    if (!cutoff)
        settings.filterType = QStringLiteral("Thru");
    else
        settings.cutoff = s->number(*cutoff);
    if (resonance)
        settings.resonance = s->value(*resonance);
    if (distance)
        settings.distance = s->value(*distance);
    if (gain)
        settings.gain = s->number(*gain);
    if (highPass)
        settings.highPass = s->number(*highPass);
    const auto eqType = s->find(eq, QStringLiteral("EQType"));
    settings.eqType = eqType ? s->text(*eqType) : QStringLiteral("Thru");
    const auto f1 = s->find(eq, QStringLiteral("EQ1Freq"));
    const auto g1 = s->find(eq, QStringLiteral("EQ1Gain"));
    const auto f2 = s->find(eq, QStringLiteral("EQ2Freq"));
    const auto g2 = s->find(eq, QStringLiteral("EQ2Gain"));
    const auto q = s->find(eq, QStringLiteral("EQResonance"));
    if (f1)
        settings.f1 = s->number(*f1);
    if (g1)
        settings.g1 = s->number(*g1);
    if (f2)
        settings.f2 = s->number(*f2);
    if (g2)
        settings.g2 = s->number(*g2);
    if (q)
        settings.q = qMax(0.1, s->number(*q));

    const auto hertz = [s](const ParameterRef &ref) {
        return std::function<double(int)>([s, ref](int v) { return s->number(ref, v); });
    };
    if (cutoff) {
        ShapeHandle h;
        h.name = tr("Cutoff");
        h.x = cutoff;
        h.xAt = hertz(*cutoff);
        h.y = resonance;
        const double gainDb = settings.gain;
        if (resonance)
            h.yAt = [gainDb](int v) { return FilterResponse::resonancePeakDb(v) + gainDb; };
        h.at = QPointF(settings.cutoff,
                       resonance ? h.yAt(settings.resonance) : filterDb(settings, settings.cutoff));
        *points << h;
    }
    if (highPass) {
        ShapeHandle h;
        h.name = tr("High-pass cutoff");
        h.x = highPass;
        h.xAt = hertz(*highPass);
        h.at = QPointF(settings.highPass, -3);
        *points << h;
    }
    const bool twoBands = f2 && g2;
    for (const auto &[freq, level, name] :
         { std::tuple{ f1, g1, twoBands ? tr("EQ low") : tr("EQ band") },
           std::tuple{ f2, g2, tr("EQ high") } }) {
        if (!freq || !level)
            continue;
        ShapeHandle h;
        h.name = name;
        h.x = freq;
        h.xAt = hertz(*freq);
        h.y = level;
        h.yAt = hertz(*level);
        h.at = QPointF(s->number(*freq), s->number(*level));
        *points << h;
    }
    return settings;
}

QPointF ResponseView::toPixel(const QPointF &data) const
{
    const QRectF plot = plotRect();
    const double x = std::log10(qMax(1.0, data.x()) / lowestHz) / std::log10(highestHz / lowestHz);
    const double y = (data.y() - lowestDb) / (highestDb - lowestDb);
    return { plot.left() + x * plot.width(), plot.bottom() - y * plot.height() };
}

void ResponseView::paintShape(QPainter &painter)
{
    const QRectF plot = plotRect();
    const QColor text = palette().color(QPalette::Text);
    const QColor grid = palette().color(QPalette::Mid);
    painter.setPen(QPen(grid, 1));
    painter.drawRect(plot);

    for (double decade = 10; decade <= highestHz; decade *= 10)
        for (int m = 1; m <= 9; ++m) {
            const double f = decade * m;
            if (f < lowestHz || f > highestHz)
                continue;
            const double x = toPixel({ f, 0 }).x();
            const bool labelled = m == 1 || m == 2 || m == 5;
            painter.setPen(QPen(grid, labelled ? 0.6 : 0.3, Qt::DotLine));
            painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
            if (labelled && (x - plot.left() > 4 || f == lowestHz)) {
                painter.setPen(text);
                drawGridLabel(painter, { x, plot.bottom() + 2 },
                              f >= 1000 ? QStringLiteral("%1k").arg(f / 1000) : QString::number(f),
                              Qt::AlignHCenter | Qt::AlignTop);
            }
        }
    for (double dB = lowestDb; dB <= highestDb; dB += 12) {
        const double y = toPixel({ lowestHz, dB }).y();
        painter.setPen(QPen(grid, dB == 0 ? 1 : 0.5, dB == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(text);
        drawGridLabel(painter, { plot.left() - 3, y },
                      dB > 0 ? QStringLiteral("+%1dB").arg(dB) : QStringLiteral("%1dB").arg(dB),
                      Qt::AlignRight | Qt::AlignVCenter);
    }

    const QColor filterColour = curveColour(QColor(210, 110, 0));
    const QColor eqColour = curveColour(QColor(20, 150, 90));
    painter.setClipRect(plot);
    const auto line = [this](const Settings &settings, bool eq) {
        QPolygonF line;
        constexpr int steps = 240;
        for (int i = 0; i <= steps; ++i) {
            const double f = lowestHz * std::pow(highestHz / lowestHz, double(i) / steps);
            const double dB = qBound(lowestDb - 10, eq ? eqDb(settings, f) : filterDb(settings, f),
                                     highestDb + 10);
            line << toPixel({ f, dB });
        }
        return line;
    };
    // The second voice's behind, dotted for its EQ where the voice's own is dashed.
    if (m_second) {
        for (const auto &[colour, eq] :
             { std::pair{ eqColour, true }, std::pair{ filterColour, false } }) {
            QPen pen = secondPen(colour);
            if (eq)
                pen.setDashPattern({ 1, 3 });
            painter.setPen(pen);
            painter.drawPolyline(line(*m_second, eq));
        }
        paintSecondPoints(painter, filterColour);
    }
    for (const auto &[colour, eq] :
         { std::pair{ eqColour, true }, std::pair{ filterColour, false } }) {
        painter.setPen(QPen(colour, eq ? 1.6 : 2, eq ? Qt::DashLine : Qt::SolidLine, Qt::RoundCap,
                            Qt::RoundJoin));
        painter.drawPolyline(line(m_settings, eq));
    }
    painter.setClipping(false);

    // The legend: what each line is, with the filter's type.
    const QFontMetricsF metrics(painter.font());
    const QString filterLabel = tr("Filter %1").arg(m_typeShown);
    const QString eqLabel = tr("EQ %1").arg(m_settings.eqType);
    const double width = metrics.horizontalAdvance(filterLabel + eqLabel) + 60;
    double x = plot.right() - width;
    double y = plot.top() / 2 + 1;
    QFont bold = font();
    bold.setBold(true);
    // Beside the title when there is room, else in the plot's top corner.
    if (x < plot.left() + QFontMetricsF(bold).horizontalAdvance(title()) + 12) {
        x = qMax(plot.left() + 2, plot.right() - width);
        y = plot.top() + metrics.height() / 2 + 2;
        QColor under = palette().color(QPalette::Base);
        under.setAlpha(200);
        painter.fillRect(QRectF(x - 3, plot.top() + 1, plot.right() - x + 2, metrics.height() + 2),
                         under);
    }
    for (const auto &[colour, label, style] :
         { std::tuple{ filterColour, filterLabel, Qt::SolidLine },
           std::tuple{ eqColour, eqLabel, Qt::DashLine } }) {
        painter.setPen(QPen(colour, 2, style));
        painter.drawLine(QPointF(x, y), QPointF(x + 18, y));
        painter.setPen(text);
        drawGridLabel(painter, { x + 22, y }, label, Qt::AlignLeft | Qt::AlignVCenter);
        x += 22 + metrics.horizontalAdvance(label) + 12;
    }
}
