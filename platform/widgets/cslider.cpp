#include "cslider.h"

#include "controlaccessible.h"
#include "controlsupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

CSlider::CSlider(QWidget *parent, const char *name)
    : QWidget(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::WheelFocus);
    ControlAccessible::installFactory();
}

CSlider::~CSlider() = default;

void CSlider::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CSlider::setOrientation(Qt::Orientation orientation)
{
    m_orientation = orientation;
    update();
}

void CSlider::setHorDir(bool leftToRight)
{
    m_leftToRight = leftToRight;
    update();
}

void CSlider::setFocusColor(const QColor &colour)
{
    m_focusColor = colour;
    update();
}

void CSlider::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

QSize CSlider::sizeHint() const
{
    return m_orientation == Qt::Horizontal ? QSize(55, 16) : QSize(16, 55);
}

QSize CSlider::thumbSize() const
{
    return m_orientation == Qt::Horizontal ? QSize(7, height()) : QSize(width(), 7);
}

int CSlider::trackLength() const
{
    const QSize thumb = thumbSize();
    return m_orientation == Qt::Horizontal ? width() - thumb.width() + 1
                                           : height() - thumb.height() + 1;
}

QRect CSlider::thumbRect() const
{
    const QSize thumb = thumbSize();
    const int length = trackLength();
    int offset = ControlSupport::offsetOf(m_value, length, minimum(), maximum());
    // Horizontal, left to right: the minimum at the left. Vertical: the
    // minimum at the bottom, as the direction reads upwards.
    const bool reversed = (m_orientation == Qt::Horizontal) != m_leftToRight;
    if (reversed)
        offset = length - 1 - offset;
    if (m_orientation == Qt::Horizontal)
        return QRect(QPoint(offset, (height() - thumb.height()) / 2), thumb);
    return QRect(QPoint((width() - thumb.width()) / 2, offset), thumb);
}

QPoint CSlider::thumbCentre() const
{
    return thumbRect().center();
}

int CSlider::valueAtPoint(const QPoint &point) const
{
    const QSize thumb = thumbSize();
    const int length = trackLength();
    int offset = m_orientation == Qt::Horizontal ? point.x() - thumb.width() / 2
                                                 : point.y() - thumb.height() / 2;
    const bool reversed = (m_orientation == Qt::Horizontal) != m_leftToRight;
    if (reversed)
        offset = length - 1 - offset;
    return ControlSupport::valueAt(offset, length, minimum(), maximum());
}

void CSlider::memoryValueChanged(int value)
{
    if (value != m_value) {
        m_value = value;
        update();
    }
    ControlSupport::valueShown(this, *this, valueText(value), false);
}

void CSlider::paintSlider(QPainter &painter)
{
    const QRect groove = m_orientation == Qt::Horizontal ? QRect(0, height() / 2 - 2, width(), 4)
                                                         : QRect(width() / 2 - 2, 0, 4, height());
    painter.fillRect(groove, palette().color(QPalette::Dark));
    const QRect thumb = thumbRect();
    const QColor face = isEnabled() || !m_greyOnDisable ? palette().color(QPalette::Button)
                                                        : ControlSupport::greyText();
    painter.fillRect(thumb, face);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(thumb.adjusted(0, 0, -1, -1));
}

void CSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintSlider(painter);
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CSlider::mousePressEvent(QMouseEvent *event)
{
    if (ControlSupport::resetClick(event, *this))
        return;
    if (event->button() != Qt::LeftButton || !isBound()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_dragging = true;
    const QPoint at = event->position().toPoint();
    // Pressing on the thumb takes hold of it where it is; anywhere else
    // moves it there.
    if (thumbRect().contains(at)) {
        m_grab = at - thumbCentre();
        return;
    }
    m_grab = QPoint();
    writeValue(valueAtPoint(at));
}

void CSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        writeValue(valueAtPoint(event->position().toPoint() - m_grab));
}

void CSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void CSlider::wheelEvent(QWheelEvent *event)
{
    ControlSupport::wheelEdit(event, *this, value());
}

void CSlider::keyPressEvent(QKeyEvent *event)
{
    if (ControlSupport::keyEdit(event, *this, value()))
        return;
    QWidget::keyPressEvent(event);
}

void CSlider::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
