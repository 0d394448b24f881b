#pragma once

#include "widgets_export.h"

#include <QColor>
#include <QFrame>
#include <QStringList>

// The grid a CPopup opens: a popup window showing the items in value order,
// `columns` to a row, the current one highlighted. A click on an item, or
// Return on the item the arrow keys moved to, chooses it; Escape closes.
//
// The grid keeps to the screen: one wider than the screen wraps into fewer
// columns and more rows; one taller than it shows as many rows as fit and
// scrolls (the wheel, and the arrow keys following the highlight); and it
// opens below its selector, or above it where there is no room below,
// moved left or up as far as it takes to stay on the screen.
class VESTRA_WIDGETS_EXPORT CPopupGrid : public QFrame
{
    Q_OBJECT

public:
    CPopupGrid(QWidget *owner, const QStringList &items, int columns, int current,
               const QColor &textColour, const QColor &focusColour, int minimumCellWidth);

    // Where item `index` is drawn.
    QRect cellRect(int index) const;
    int itemCount() const { return int(m_items.size()); }
    int highlighted() const { return m_highlighted; }

    // Wraps and cuts the grid to fit in `available` (a screen's available
    // size), and resizes it.
    void fitInto(const QSize &available);
    int columns() const { return m_columns; }
    // Rows shown at once, and the first of them.
    int visibleRows() const { return m_visibleRows; }
    int firstRow() const { return m_firstRow; }

    // Where a grid of `size` opens for a selector at `anchor` (both in
    // screen coordinates) on a screen whose available area is `available`.
    static QRect placement(const QSize &size, const QRect &anchor, const QRect &available);

    QSize sizeHint() const override;

signals:
    void chosen(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int indexAt(const QPoint &point) const;
    void choose(int index);
    int rowCount() const;
    void scrollTo(int firstRow);

    QStringList m_items;
    int m_columns;
    int m_highlighted;
    QColor m_textColour;
    QColor m_focusColour;
    QSize m_cell;
    int m_visibleRows = 0;
    int m_firstRow = 0;
    bool m_pressedInside = false;
};
