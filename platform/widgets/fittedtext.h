#pragma once

#include "widgets_export.h"

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

// A value text as a control draws it in the room it has for it. A text
// that fits at the control's font is drawn at that font. A wider one is
// drawn narrower: at the largest smaller pixel size of the same family that
// fits, but never below smallestPixelSize, under which the value texts stop
// being readable. A text too wide even at that size is elided at it; the
// control's tooltip carries the whole text.
class VESTRA_WIDGETS_EXPORT FittedText
{
public:
    // The smallest pixel size a value text is drawn at.
    static constexpr int smallestPixelSize = 9;

    FittedText() = default;
    // `text` fitted into `area` of `control`, whose font it starts from.
    FittedText(const QString &text, const QRect &area, const QWidget *control);

    // The text the control was given.
    QString whole() const { return m_whole; }
    // The text drawn: the whole text, or its elided form.
    QString shown() const { return m_shown; }
    bool isElided() const { return m_shown != m_whole; }
    // The font it is drawn at.
    QFont font() const { return m_font; }
    // Where it is drawn, in the control's coordinates.
    QRect area() const { return m_area; }

    void draw(QPainter &painter, int alignment) const;

private:
    QString m_whole;
    QString m_shown;
    QFont m_font;
    QRect m_area;
};
