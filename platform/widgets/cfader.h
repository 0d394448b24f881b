#pragma once

#include "cslider.h"

#include <QPixmap>

// A fader: a slider drawn from two images, the groove (setPixmap, or the
// palette's window brush when it carries a pixmap) and the thumb
// (setThumbImage). Without images it draws as a plain slider.
class VESTRA_WIDGETS_EXPORT CFader : public CSlider
{
    Q_OBJECT

public:
    CFader(QWidget *parent, const char *name);
    ~CFader() override;

    void setPixmap(const QPixmap &groove);
    QPixmap pixmap() const { return m_groove; }
    void setThumbImage(const QPixmap &thumb);
    QPixmap thumbImage() const { return m_thumb; }

protected:
    QSize thumbSize() const override;
    void paintSlider(QPainter &painter) override;

private:
    QPixmap m_groove;
    QPixmap m_thumb;
};
