#pragma once

#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QColor>
#include <QWidget>

// A rotary control bound to one parameter. Dragging edits the value: up and
// down in vertical mode, left and right otherwise. Every dial takes the mode
// that was set when it was created (setVerticalMode()), so the host's
// "VerticalDials" setting applies to the dials of every dialog opened after
// it was read.
class VESTRA_WIDGETS_EXPORT CDial : public QWidget, public TMemProxy, public IMemAPI::TSingleAddress
{
    Q_OBJECT
    Q_PROPERTY(bool enableFocusRect READ enableFocusRect WRITE setEnableFocusRect)

public:
    explicit CDial(QWidget *parent = nullptr, const char *name = nullptr);
    ~CDial() override;

    // The orientation dials created from now on take.
    static void setVerticalMode(bool vertical);
    static bool verticalMode();

    // The orientation of this dial (fixed when it was created).
    bool isVertical() const { return m_vertical; }

    // The value shown (the parameter's, 0 when unbound).
    int shownValue() const { return m_value; }

    void setTableId(int id) { m_tableId = id; }
    int tableId() const { return m_tableId; }
    void setUseTableId(bool use) { m_useTableId = use; }
    bool useTableId() const { return m_useTableId; }
    void setClickStepping(bool on) { m_clickStepping = on; }
    bool clickStepping() const { return m_clickStepping; }
    void setEnableFocusRect(bool on);
    bool enableFocusRect() const { return m_focusRect; }
    void setFocusColor(const QColor &c);
    QColor focusColor() const { return m_focusColor; }
    void setGreyOnDisable(bool on);
    bool greyOnDisable() const { return m_greyOnDisable; }

    void destroy(unsigned int deleteFlag) override;

    QSize sizeHint() const override;

protected:
    void memoryValueChanged(int value) override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    static bool s_verticalMode;

    bool m_vertical;
    int m_value = 0;
    int m_tableId = 0;
    bool m_useTableId = false;
    bool m_clickStepping = false;
    bool m_focusRect = false;
    QColor m_focusColor;
    bool m_greyOnDisable = true;
    bool m_dragging = false;
    QPoint m_pressPos;
    int m_pressValue = 0;
};
