#include "chotspotlabel.h"

#include "controlsupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

CHotspotLabel::CHotspotLabel(QWidget *parent, const char *name)
    : QLabel(parent)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::StrongFocus);
    setFont(ControlSupport::controlFont());
}

CHotspotLabel::~CHotspotLabel() = default;

void CHotspotLabel::setHotSpot(const QRect &area)
{
    m_hotSpot = area;
}

void CHotspotLabel::setFocusColor(const QColor &colour)
{
    m_focusColor = colour;
    update();
}

void CHotspotLabel::setInverseColorOnFocus(bool on)
{
    m_inverseOnFocus = on;
    update();
}

void CHotspotLabel::setGreyOnDisable(bool on)
{
    m_greyOnDisable = on;
    update();
}

void CHotspotLabel::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

bool CHotspotLabel::inHotSpot(const QPoint &point) const
{
    return (m_hotSpot.isEmpty() ? rect() : m_hotSpot).contains(point);
}

void CHotspotLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QColor foreground = ControlSupport::foreground(this, m_greyOnDisable);
    QColor background = palette().color(QPalette::Window);
    if (m_inverseOnFocus && hasFocus()) {
        background = m_focusColor;
        foreground = palette().color(QPalette::Window);
    }
    if (autoFillBackground() || (m_inverseOnFocus && hasFocus()))
        painter.fillRect(rect(), background);
    painter.setPen(foreground);
    painter.drawText(contentsRect().adjusted(2, 0, -2, 0), int(alignment()) | Qt::TextWordWrap,
                     text());
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CHotspotLabel::mousePressEvent(QMouseEvent *event)
{
    if ((m_hotButtons & int(event->button())) && inHotSpot(event->position().toPoint())) {
        m_pressed = event->button();
        event->accept();
        return;
    }
    m_pressed = Qt::NoButton;
    QLabel::mousePressEvent(event);
}

void CHotspotLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = event->button() == m_pressed && inHotSpot(event->position().toPoint());
    m_pressed = Qt::NoButton;
    if (click) {
        emit hotspotClicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void CHotspotLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        emit hotspotClicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void CHotspotLabel::focusInEvent(QFocusEvent *event)
{
    update();
    QLabel::focusInEvent(event);
}

void CHotspotLabel::focusOutEvent(QFocusEvent *event)
{
    update();
    QLabel::focusOutEvent(event);
}
