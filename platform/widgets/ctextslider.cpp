#include "ctextslider.h"

#include "controlsupport.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace {
// Pixels of vertical drag per step.
constexpr int dragPixelsPerStep = 2;
// A press that moves less than this is a click.
constexpr int clickSlop = 3;
} // namespace

CTextSlider::CTextSlider(QWidget *parent, const char *name, int)
    : QWidget(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::WheelFocus);
    setAutoFillBackground(true);
}

CTextSlider::~CTextSlider() = default;

void CTextSlider::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CTextSlider::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

void CTextSlider::setFocusColor(const QColor &colour)
{
    m_focusColor = colour;
    update();
}

void CTextSlider::setGreyOnDisable(bool on)
{
    m_greyOnDisable = on;
    update();
}

void CTextSlider::forceUpdate()
{
    if (isBound())
        showValue(value());
    update();
}

void CTextSlider::memoryValueChanged(int value)
{
    showValue(value);
}

void CTextSlider::showValue(int value)
{
    const QString text = valueText(value);
    if (text != m_text) {
        m_text = text;
        update();
    }
}

QSize CTextSlider::sizeHint() const
{
    return QSize(60, 16);
}

void CTextSlider::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.setPen(ControlSupport::foreground(this, m_greyOnDisable));
    painter.drawText(rect().adjusted(2, 0, -2, 0), Qt::AlignCenter, m_text);
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CTextSlider::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isBound()) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressed = true;
    m_dragged = false;
    m_pressPos = event->position().toPoint();
    m_pressValue = value();
}

void CTextSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_pressed)
        return;
    const int dy = m_pressPos.y() - event->position().toPoint().y();
    if (!m_dragged && std::abs(dy) < clickSlop)
        return;
    m_dragged = true;
    writeValue(m_pressValue + dy / dragPixelsPerStep);
}

void CTextSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressed || event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (!m_dragged && m_clickStepping) {
        const bool up = event->position().x() >= width() / 2.0;
        writeValue(value() + (up ? 1 : -1));
    }
}

void CTextSlider::wheelEvent(QWheelEvent *event)
{
    ControlSupport::wheelEdit(event, *this, value());
}

void CTextSlider::keyPressEvent(QKeyEvent *event)
{
    if (ControlSupport::keyEdit(event, *this, value()))
        return;
    QWidget::keyPressEvent(event);
}

void CTextSlider::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}
