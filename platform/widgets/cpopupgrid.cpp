#include "cpopupgrid.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr int margin = 1;
constexpr int cellPadding = 6;
constexpr int cellHeight = 16;
} // namespace

CPopupGrid::CPopupGrid(QWidget *owner, const QStringList &items, int columns, int current,
                       const QColor &textColour, const QColor &focusColour, int minimumCellWidth)
    : QFrame(owner, Qt::Popup | Qt::FramelessWindowHint)
    , m_items(items)
    , m_columns(std::max(1, columns))
    , m_highlighted(current)
    , m_textColour(textColour)
    , m_focusColour(focusColour)
{
    setObjectName(QStringLiteral("choiceGrid"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameShape(QFrame::Box);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(0, 0, 0));
    p.setColor(QPalette::WindowText, textColour);
    setPalette(p);
    setAutoFillBackground(true);
    // A window of its own, it would take the application's font: it offers
    // the items in the selector's.
    setFont(owner->font());

    const QFontMetrics metrics(font());
    int width = minimumCellWidth;
    for (const QString &item : m_items)
        width = std::max(width, metrics.horizontalAdvance(item) + 2 * cellPadding);
    m_cell = QSize(width, std::max(cellHeight, metrics.height() + 2));
    m_visibleRows = rowCount();
    scrollTo(m_highlighted / m_columns);
    resize(sizeHint());
}

int CPopupGrid::rowCount() const
{
    return (itemCount() + m_columns - 1) / m_columns;
}

void CPopupGrid::fitInto(const QSize &available)
{
    const int fitting = std::max(1, (available.width() - 2 * margin) / m_cell.width());
    m_columns = std::min(m_columns, fitting);
    m_visibleRows = std::clamp((available.height() - 2 * margin) / m_cell.height(), 1, rowCount());
    scrollTo(m_highlighted / m_columns);
    resize(sizeHint());
}

QRect CPopupGrid::placement(const QSize &size, const QRect &anchor, const QRect &available)
{
    QRect place(anchor.bottomLeft() + QPoint(0, 1), size);
    if (place.bottom() > available.bottom() && anchor.top() - size.height() >= available.top())
        place.moveBottom(anchor.top() - 1);
    place.moveLeft(
        std::max(available.left(), std::min(place.left(), available.right() + 1 - size.width())));
    place.moveTop(
        std::max(available.top(), std::min(place.top(), available.bottom() + 1 - size.height())));
    return place;
}

QSize CPopupGrid::sizeHint() const
{
    const int columns = std::min(m_columns, std::max(1, itemCount()));
    return QSize(columns * m_cell.width() + 2 * margin,
                 m_visibleRows * m_cell.height() + 2 * margin);
}

void CPopupGrid::scrollTo(int firstRow)
{
    m_firstRow = std::clamp(firstRow, 0, std::max(0, rowCount() - m_visibleRows));
    update();
}

QRect CPopupGrid::cellRect(int index) const
{
    const int row = index / m_columns - m_firstRow;
    if (index < 0 || index >= itemCount() || row < 0 || row >= m_visibleRows)
        return QRect();
    return QRect(margin + (index % m_columns) * m_cell.width(), margin + row * m_cell.height(),
                 m_cell.width(), m_cell.height());
}

int CPopupGrid::indexAt(const QPoint &point) const
{
    for (int i = 0; i < itemCount(); ++i) {
        if (cellRect(i).contains(point))
            return i;
    }
    return -1;
}

void CPopupGrid::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    for (int i = 0; i < itemCount(); ++i) {
        const QRect cell = cellRect(i);
        if (cell.isNull())
            continue;
        if (i == m_highlighted) {
            painter.fillRect(cell, m_focusColour);
            painter.setPen(QColor(0, 0, 0));
        } else {
            painter.setPen(m_textColour);
        }
        painter.drawText(cell.adjusted(cellPadding, 0, -cellPadding, 0),
                         Qt::AlignVCenter | Qt::AlignLeft, m_items.at(i));
    }
}

void CPopupGrid::mousePressEvent(QMouseEvent *event)
{
    if (!rect().contains(event->position().toPoint())) {
        // A press outside the popup closes it, as every popup does.
        close();
        return;
    }
    m_pressedInside = event->button() == Qt::LeftButton;
}

void CPopupGrid::mouseMoveEvent(QMouseEvent *event)
{
    const int index = indexAt(event->position().toPoint());
    if (index >= 0 && index != m_highlighted) {
        m_highlighted = index;
        update();
    }
}

void CPopupGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_pressedInside || event->button() != Qt::LeftButton)
        return;
    m_pressedInside = false;
    const int index = indexAt(event->position().toPoint());
    if (index >= 0)
        choose(index);
}

void CPopupGrid::keyPressEvent(QKeyEvent *event)
{
    int index = m_highlighted;
    switch (event->key()) {
    case Qt::Key_Left:
        --index;
        break;
    case Qt::Key_Right:
        ++index;
        break;
    case Qt::Key_Up:
        index -= m_columns;
        break;
    case Qt::Key_Down:
        index += m_columns;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (m_highlighted >= 0 && m_highlighted < itemCount())
            choose(m_highlighted);
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    if (index >= 0 && index < itemCount()) {
        m_highlighted = index;
        const int row = index / m_columns;
        if (row < m_firstRow)
            scrollTo(row);
        else if (row >= m_firstRow + m_visibleRows)
            scrollTo(row - m_visibleRows + 1);
        update();
    }
}

void CPopupGrid::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    scrollTo(m_firstRow - notches);
    event->accept();
}

void CPopupGrid::choose(int index)
{
    // The owner may close (and so delete) the grid from its slot.
    emit chosen(index);
}
