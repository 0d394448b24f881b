#pragma once

#include <QColor>
#include <QFrame>
#include <QStringList>

// The grid a CPopup opens: a popup window showing the items in value order,
// `columns` to a row, the current one highlighted. A click on an item, or
// Return on the item the arrow keys moved to, chooses it; Escape closes.
class CPopupGrid : public QFrame
{
    Q_OBJECT

public:
    CPopupGrid(QWidget *owner, const QStringList &items, int columns, int current,
               const QColor &textColour, const QColor &focusColour, int minimumCellWidth);

    // Where item `index` is drawn.
    QRect cellRect(int index) const;
    int itemCount() const { return int(m_items.size()); }
    int highlighted() const { return m_highlighted; }

    QSize sizeHint() const override;

signals:
    void chosen(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int indexAt(const QPoint &point) const;
    void choose(int index);

    QStringList m_items;
    int m_columns;
    int m_highlighted;
    QColor m_textColour;
    QColor m_focusColour;
    QSize m_cell;
    bool m_pressedInside = false;
};
