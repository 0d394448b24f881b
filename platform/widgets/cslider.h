#pragma once

#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QColor>
#include <QWidget>

// A slider bound to one parameter: a groove with a thumb whose position
// shows the value. Pressing on the groove moves the thumb there; dragging
// the thumb, or from the groove, follows the pointer; the wheel and the
// arrow, page, Home and End keys step; Delete and Ctrl+click go back to the
// parameter's default.
class VESTRA_WIDGETS_EXPORT CSlider : public QWidget,
                                      public TMemProxy,
                                      public IMemAPI::TSingleAddress
{
    Q_OBJECT
    Q_PROPERTY(bool enableFocusRect READ enableFocusRect WRITE setEnableFocusRect)

public:
    CSlider(QWidget *parent, const char *name);
    ~CSlider() override;

    void setOrientation(Qt::Orientation orientation);
    Qt::Orientation orientation() const { return m_orientation; }
    // true: the minimum lies left (or, vertical, at the bottom); false: the
    // direction is reversed.
    void setHorDir(bool leftToRight);
    bool horDir() const { return m_leftToRight; }

    void setTableId(int id) { m_tableId = id; }
    int tableId() const { return m_tableId; }
    void setFocusColor(const QColor &colour);
    QColor focusColor() const { return m_focusColor; }
    void setEnableFocusRect(bool on);
    bool enableFocusRect() const { return m_focusRect; }
    void setGreyOnDisable(bool on)
    {
        m_greyOnDisable = on;
        update();
    }
    bool greyOnDisable() const { return m_greyOnDisable; }

    // The value the thumb shows.
    int shownValue() const { return m_value; }
    // The centre of the thumb, in widget coordinates, for the value shown.
    QPoint thumbCentre() const;

    void destroy(unsigned int deleteFlag) override;
    QSize sizeHint() const override;

protected:
    void memoryValueChanged(int value) override;

    // The thumb's size; the groove is the rest of the widget.
    virtual QSize thumbSize() const;
    // Draws groove and thumb; a subclass with images replaces this.
    virtual void paintSlider(QPainter &painter);
    QRect thumbRect() const;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    int trackLength() const;
    int valueAtPoint(const QPoint &point) const;

    Qt::Orientation m_orientation = Qt::Horizontal;
    bool m_leftToRight = true;
    int m_tableId = 0;
    QColor m_focusColor = QColor(155, 255, 255);
    bool m_focusRect = true;
    bool m_greyOnDisable = true;
    int m_value = 0;
    bool m_dragging = false;
    QPoint m_grab; // where the thumb was taken hold of, from its centre
};
