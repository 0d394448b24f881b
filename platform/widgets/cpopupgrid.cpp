#include "cpopupgrid.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int margin = 1;
constexpr int cellPadding = 6;
constexpr int cellHeight = 16;
} // namespace

CPopupGrid::CPopupGrid(QWidget *owner, const QStringList &items, int columns, int current,
                       const QColor &textColour, const QColor &focusColour, int minimumCellWidth)
    : QFrame(owner, Qt::Popup)
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
    resize(sizeHint());
}

QSize CPopupGrid::sizeHint() const
{
    const int rows = (itemCount() + m_columns - 1) / m_columns;
    const int columns = std::min(m_columns, std::max(1, itemCount()));
    return QSize(columns * m_cell.width() + 2 * margin, rows * m_cell.height() + 2 * margin);
}

QRect CPopupGrid::cellRect(int index) const
{
    if (index < 0 || index >= itemCount())
        return QRect();
    return QRect(margin + (index % m_columns) * m_cell.width(),
                 margin + (index / m_columns) * m_cell.height(), m_cell.width(), m_cell.height());
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
        update();
    }
}

void CPopupGrid::choose(int index)
{
    // The owner may close (and so delete) the grid from its slot.
    emit chosen(index);
}
