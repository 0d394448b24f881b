#pragma once

#include "fittedtext.h"
#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QColor>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

// A numeric value field: shows its parameter's value text (cyan on black as
// the forms set it, grey when disabled) and edits it by dragging up and
// down, by clicking (with click stepping: the right half steps up, the left
// half down), by the wheel, and by the arrow, page, Home and End keys. A
// click that gives the field the focus only focuses it, so that clicking
// into a field to type a value leaves the value alone; the clicks after it
// step. A text too wide for the field is drawn narrower (see FittedText).
//
// Typing a digit, a sign or a letter opens an entry over the field that
// takes a value as text ("90", "C#3", "L20", "On"): Enter writes it, Escape
// or leaving the entry keeps the value. A number beyond the range is
// clipped to it and the field flashes; so does a text the parameter does
// not know, and the entry stays open. Delete and Ctrl+click go back to the
// parameter's default.
class VESTRA_WIDGETS_EXPORT CTextSlider : public QWidget,
                                          public TMemProxy,
                                          public IMemAPI::TSingleAddress
{
    Q_OBJECT
    Q_PROPERTY(bool enableFocusRect READ enableFocusRect WRITE setEnableFocusRect)

public:
    // `style` selects a look; 0 is the plain value field.
    CTextSlider(QWidget *parent, const char *name, int style = 0);
    ~CTextSlider() override;

    void setTableId(int id) { m_tableId = id; }
    int tableId() const { return m_tableId; }
    void setUseTableId(bool use) { m_useTableId = use; }
    bool useTableId() const { return m_useTableId; }
    void setClickStepping(bool on) { m_clickStepping = on; }
    bool clickStepping() const { return m_clickStepping; }
    void setEnableFocusRect(bool on);
    bool enableFocusRect() const { return m_focusRect; }
    void setFocusColor(const QColor &colour);
    QColor focusColor() const { return m_focusColor; }
    void setGreyOnDisable(bool on);
    bool greyOnDisable() const { return m_greyOnDisable; }

    // Re-reads the parameter and repaints.
    void forceUpdate();

    // The text shown now.
    QString shownText() const { return m_text; }
    // How the field draws it: font, area and the text drawn.
    FittedText drawnText() const;
    // The entry open over the field for a typed value; null when closed.
    QLineEdit *entry() const { return m_entry; }
    // Whether the field flashes now, after a typed value it had to clip or
    // could not read.
    bool isFlashing() const { return m_flashing; }

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
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showValue(int value);
    void openEntry(const QString &typed);
    void commitEntry();
    void closeEntry();
    void flash();

    QString m_text;
    int m_tableId = 0;
    bool m_useTableId = false;
    bool m_clickStepping = false;
    bool m_focusRect = false;
    bool m_greyOnDisable = true;
    QColor m_focusColor = QColor(155, 255, 255);
    bool m_pressed = false;
    bool m_dragged = false;
    QPoint m_pressPos;
    int m_pressValue = 0;
    // The focus came with a mouse press (or a wheel turn) being delivered.
    bool m_focusedByMouse = false;
    // The press under way gave the field the focus: its click does not step.
    bool m_pressFocused = false;
    QPointer<QLineEdit> m_entry;
    bool m_flashing = false;
};
