#include "fittedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

namespace {
bool fits(const QString &text, const QFont &font, const QWidget *control, qreal width)
{
    return QFontMetricsF(font, control).horizontalAdvance(text) <= width;
}
} // namespace

FittedText::FittedText(const QString &text, const QRect &area, const QWidget *control)
    : m_whole(text)
    , m_shown(text)
    , m_font(control->font())
    , m_area(area)
{
    const qreal width = area.width();
    if (text.isEmpty() || fits(text, m_font, control, width))
        return;
    const int size = m_font.pixelSize() > 0 ? m_font.pixelSize() : QFontInfo(m_font).pixelSize();
    for (int smaller = size - 1; smaller >= smallestPixelSize; --smaller) {
        m_font.setPixelSize(smaller);
        if (fits(text, m_font, control, width))
            return;
    }
    if (size < smallestPixelSize)
        m_font.setPixelSize(size);
    m_shown = QFontMetricsF(m_font, control).elidedText(text, Qt::ElideRight, width);
}

void FittedText::draw(QPainter &painter, int alignment) const
{
    painter.save();
    painter.setFont(m_font);
    painter.drawText(m_area, alignment, m_shown);
    painter.restore();
}
