#include "cfader.h"

#include <QPainter>

CFader::CFader(QWidget *parent, const char *name)
    : CSlider(parent, name)
{
}

CFader::~CFader() = default;

void CFader::setPixmap(const QPixmap &groove)
{
    m_groove = groove;
    update();
}

void CFader::setThumbImage(const QPixmap &thumb)
{
    m_thumb = thumb;
    update();
}

QSize CFader::thumbSize() const
{
    if (m_thumb.isNull())
        return CSlider::thumbSize();
    // The thumb is drawn at its own size, centred across the groove, so
    // that its pixels stay sharp. An image for a high-density screen covers
    // the same pixels as its plain original.
    return m_thumb.deviceIndependentSize().toSize();
}

void CFader::paintSlider(QPainter &painter)
{
    QPixmap groove = m_groove;
    if (groove.isNull()) {
        const QBrush brush = palette().brush(QPalette::Window);
        if (!brush.texture().isNull())
            groove = brush.texture();
    }
    if (groove.isNull() && m_thumb.isNull()) {
        CSlider::paintSlider(painter);
        return;
    }
    if (!groove.isNull())
        painter.drawPixmap(rect(), groove);
    else
        painter.fillRect(rect(), palette().color(QPalette::Window));
    const QRect thumb = thumbRect();
    if (!m_thumb.isNull()) {
        painter.drawPixmap(thumb, m_thumb);
        if (!isEnabled() && greyOnDisable())
            painter.fillRect(thumb, QColor(128, 128, 128, 128));
    } else {
        painter.fillRect(thumb, palette().color(QPalette::Button));
    }
}
