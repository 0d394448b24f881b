#pragma once

#include "widgets_export.h"

#include <QColor>
#include <QLabel>

// A label with a hot spot: a click inside the hot spot with one of the hot
// buttons emits hotspotClicked(), and so does Space or Return while it has
// the focus. With inverse colour on focus it swaps its foreground and
// background while focused; with grey on disable its text greys when
// disabled.
class VESTRA_WIDGETS_EXPORT CHotspotLabel : public QLabel
{
    Q_OBJECT
    Q_PROPERTY(bool enableFocusRect READ enableFocusRect WRITE setEnableFocusRect)

public:
    CHotspotLabel(QWidget *parent, const char *name);
    ~CHotspotLabel() override;

    // The hot spot, in the label's coordinates; an empty one (the default)
    // covers the whole label.
    void setHotSpot(const QRect &area);
    void setHotSpot(int x, int y, int width, int height) { setHotSpot(QRect(x, y, width, height)); }
    QRect hotSpot() const { return m_hotSpot; }
    // The mouse buttons that click: a Qt::MouseButtons mask (1 left, 2
    // right, 3 both). The default is the left button.
    void setHotButtons(int buttons) { m_hotButtons = buttons; }
    int hotButtons() const { return m_hotButtons; }

    void setFocusColor(const QColor &colour);
    QColor focusColor() const { return m_focusColor; }
    void setInverseColorOnFocus(bool on);
    bool inverseColorOnFocus() const { return m_inverseOnFocus; }
    void setGreyOnDisable(bool on);
    bool greyOnDisable() const { return m_greyOnDisable; }
    void setEnableFocusRect(bool on);
    bool enableFocusRect() const { return m_focusRect; }

signals:
    void hotspotClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool inHotSpot(const QPoint &point) const;

    QRect m_hotSpot;
    int m_hotButtons = Qt::LeftButton;
    QColor m_focusColor = QColor(155, 255, 255);
    bool m_inverseOnFocus = false;
    bool m_greyOnDisable = true;
    bool m_focusRect = false;
    Qt::MouseButton m_pressed = Qt::NoButton;
};
