#pragma once

#include "fittedtext.h"
#include "widgets_export.h"

#include <imemapi.h>
#include <tmemproxy.h>

#include <QColor>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class CPopupGrid;

// A selector bound to one parameter. It shows the text of the current value
// and, when clicked (or on Space, Return or F4), opens a grid of all the
// values' texts in setColumnsCount() columns, in value order; choosing one
// writes that value. The wheel and the arrow keys step through the values;
// Delete and Ctrl+click go back to the parameter's default.
//
// Its texts are those given to setLabels() ("Off;On;", each text followed
// by ";"), one per value from the parameter's minimum; without them, the
// parameter memory's value texts. A text too wide for the room left of the
// drop-down mark is drawn narrower (see FittedText).
class VESTRA_WIDGETS_EXPORT CPopup : public QWidget,
                                     public TMemProxy,
                                     public IMemAPI::TSingleAddress
{
    Q_OBJECT
    Q_PROPERTY(bool enableFocusRect READ enableFocusRect WRITE setEnableFocusRect)

public:
    CPopup(QWidget *parent, const char *name);
    ~CPopup() override;

    void setLabels(const QString &items);
    QStringList labels() const { return m_labels; }
    // The texts the grid offers: the labels, or the memory's value texts.
    QStringList items() const;

    void setColumnsCount(int columns);
    int columnsCount() const { return m_columns; }
    void setButtonTextColor(const QColor &colour);
    QColor buttonTextColor() const { return m_buttonTextColor; }
    // Grouping would gather items under headings; the forms keep it off.
    void setGrouping(bool on) { m_grouping = on; }
    bool grouping() const { return m_grouping; }
    // Sizes the grid's buttons to their texts rather than to the selector.
    void setLabelSizeToContents(bool on) { m_sizeToContents = on; }
    bool labelSizeToContents() const { return m_sizeToContents; }
    void setFocusColor(const QColor &colour);
    QColor focusColor() const { return m_focusColor; }
    void setEnableFocusRect(bool on);
    bool enableFocusRect() const { return m_focusRect; }
    void setGreyOnDisable(bool on);
    bool greyOnDisable() const { return m_greyOnDisable; }
    // A text drawn instead of the current item when not empty.
    void setButtonText(const QString &text);
    QString buttonText() const { return m_buttonText; }

    // The text shown for the current value.
    QString shownText() const;
    // How the selector draws it: font, area (left of the mark) and text.
    FittedText drawnText() const;

    // The open grid (null when closed): a popup window whose buttons carry
    // the items in value order.
    QWidget *choiceGrid() const;
    // Where the open grid shows `value`'s item, in the grid's coordinates;
    // empty when the grid is closed or the value is out of range.
    QRect choiceRect(int value) const;
    void openGrid();
    void closeGrid();

    void destroy(unsigned int deleteFlag) override;
    QSize sizeHint() const override;

signals:
    // A value was chosen from the grid.
    void activated(int value);
    // The selection shown changed, by any edit or by the memory.
    void selectionChanged(int value);

protected:
    void memoryValueChanged(int value) override;

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void choose(int value);

    QStringList m_labels;
    int m_columns = 1;
    QColor m_buttonTextColor = QColor(0, 255, 255);
    QColor m_focusColor = QColor(155, 255, 255);
    bool m_grouping = false;
    bool m_sizeToContents = false;
    bool m_focusRect = false;
    bool m_greyOnDisable = true;
    QString m_buttonText;
    int m_value = 0;
    QPointer<CPopupGrid> m_grid;
};
