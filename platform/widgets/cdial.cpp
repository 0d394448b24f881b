#include "cdial.h"

#include "controlaccessible.h"
#include "controlsupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

bool CDial::s_verticalMode = false;

namespace {
// Pixels of drag per step.
constexpr int dragPixelsPerStep = 2;
// The dial's sweep: from 225 degrees (minimum) clockwise to -45 (maximum).
constexpr double startAngle = 225.0;
constexpr double sweep = 270.0;
} // namespace

CDial::CDial(QWidget *parent, const char *name)
    : QWidget(parent)
    , TMemProxy(this)
    , m_vertical(s_verticalMode)
    , m_focusColor(155, 255, 255)
{
    setObjectName(QLatin1String(name));
    ControlAccessible::installFactory();
    setFocusPolicy(Qt::WheelFocus);
}

CDial::~CDial() = default;

void CDial::setVerticalMode(bool vertical)
{
    s_verticalMode = vertical;
}

bool CDial::verticalMode()
{
    return s_verticalMode;
}

void CDial::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CDial::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

void CDial::setFocusColor(const QColor &c)
{
    m_focusColor = c;
    update();
}

void CDial::setGreyOnDisable(bool on)
{
    m_greyOnDisable = on;
    update();
}

QSize CDial::sizeHint() const
{
    return QSize(32, 32);
}

void CDial::memoryValueChanged(int value)
{
    if (value != m_value) {
        m_value = value;
        update();
    }
    ControlSupport::valueShown(this, *this, valueText(value), false);
}

void CDial::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 4;
    const QRectF face((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    const QColor ink = ControlSupport::foreground(this, m_greyOnDisable);
    painter.setPen(QPen(ink, 1));
    painter.setBrush(palette().color(QPalette::Window));
    painter.drawEllipse(face);

    double fraction = 0.0;
    if (isBound() && maximum() > minimum())
        fraction = double(m_value - minimum()) / double(maximum() - minimum());
    const double angle = (startAngle - fraction * sweep) * M_PI / 180.0;
    const QPointF centre = face.center();
    const double radius = side / 2.0 - 2.0;
    painter.setPen(QPen(ink, 2));
    painter.drawLine(centre, centre + QPointF(std::cos(angle) * radius, -std::sin(angle) * radius));
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CDial::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isBound()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    m_pressPos = event->position().toPoint();
    m_pressValue = value();
}

void CDial::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging)
        return;
    const QPoint now = event->position().toPoint();
    // Vertical mode: up increases. Otherwise: right increases.
    const int distance = m_vertical ? m_pressPos.y() - now.y() : now.x() - m_pressPos.x();
    writeValue(m_pressValue + distance / dragPixelsPerStep);
}

void CDial::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void CDial::wheelEvent(QWheelEvent *event)
{
    ControlSupport::wheelEdit(event, *this, value());
}

void CDial::keyPressEvent(QKeyEvent *event)
{
    if (ControlSupport::keyEdit(event, *this, value()))
        return;
    QWidget::keyPressEvent(event);
}

void CDial::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
