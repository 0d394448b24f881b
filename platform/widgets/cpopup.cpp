#include "cpopup.h"

#include "controlaccessible.h"
#include "controlsupport.h"

#include "cpopupgrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWheelEvent>

CPopup::CPopup(QWidget *parent, const char *name)
    : QWidget(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::WheelFocus);
    setAutoFillBackground(true);
    setFont(ControlSupport::controlFont());
    ControlAccessible::installFactory();
}

CPopup::~CPopup() = default;

void CPopup::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CPopup::setLabels(const QString &items)
{
    m_labels = ControlSupport::splitItems(items);
    update();
}

QStringList CPopup::items() const
{
    if (!m_labels.isEmpty() || !isBound())
        return m_labels;
    QStringList texts;
    for (int v = minimum(); v <= maximum(); ++v)
        texts.append(valueText(v));
    return texts;
}

void CPopup::setColumnsCount(int columns)
{
    m_columns = qMax(1, columns);
}

void CPopup::setButtonTextColor(const QColor &colour)
{
    m_buttonTextColor = colour;
    update();
}

void CPopup::setFocusColor(const QColor &colour)
{
    m_focusColor = colour;
    update();
}

void CPopup::setEnableFocusRect(bool on)
{
    m_focusRect = on;
    update();
}

void CPopup::setGreyOnDisable(bool on)
{
    m_greyOnDisable = on;
    update();
}

void CPopup::setButtonText(const QString &text)
{
    m_buttonText = text;
    update();
}

QString CPopup::shownText() const
{
    if (!m_buttonText.isEmpty())
        return m_buttonText;
    if (!isBound())
        return QString();
    const int index = m_value - minimum();
    if (index >= 0 && index < m_labels.size())
        return m_labels.at(index);
    return valueText(m_value);
}

FittedText CPopup::drawnText() const
{
    return FittedText(shownText(), rect().adjusted(3, 0, -10, 0), this);
}

QSize CPopup::sizeHint() const
{
    return QSize(60, 16);
}

void CPopup::memoryValueChanged(int value)
{
    const bool changed = value != m_value;
    m_value = value;
    update();
    ControlSupport::valueShown(this, *this, shownText(), false);
    if (changed)
        emit selectionChanged(value);
}

void CPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    QColor text = m_buttonTextColor;
    if (!isEnabled() && m_greyOnDisable)
        text = ControlSupport::greyText();
    painter.setPen(text);
    drawnText().draw(painter, Qt::AlignVCenter | Qt::AlignLeft);
    // The drop-down mark at the right.
    const int x = width() - 8;
    const int y = height() / 2 - 1;
    painter.setBrush(text);
    painter.setPen(Qt::NoPen);
    const QPoint arrow[3] = { QPoint(x, y), QPoint(x + 5, y), QPoint(x + 2, y + 3) };
    painter.drawPolygon(arrow, 3);
    if (m_focusRect && hasFocus())
        ControlSupport::paintFocusRect(painter, this, m_focusColor);
}

void CPopup::openGrid()
{
    if (!isBound() || readOnly())
        return;
    closeGrid();
    const QStringList texts = items();
    if (texts.isEmpty())
        return;
    const int first = minimum();
    auto *grid = new CPopupGrid(this, texts, m_columns, m_value - first, m_buttonTextColor,
                                m_focusColor, m_sizeToContents ? 0 : width());
    connect(grid, &CPopupGrid::chosen, this, [this, first](int index) { choose(first + index); });
    m_grid = grid;
    const QRect available = screen()->availableGeometry();
    grid->fitInto(available.size());
    grid->move(
        CPopupGrid::placement(grid->size(), QRect(mapToGlobal(QPoint(0, 0)), size()), available)
            .topLeft());
    grid->show();
    grid->setFocus();
}

QWidget *CPopup::choiceGrid() const
{
    return m_grid;
}

QRect CPopup::choiceRect(int value) const
{
    return m_grid ? m_grid->cellRect(value - minimum()) : QRect();
}

void CPopup::closeGrid()
{
    if (m_grid)
        m_grid->close();
    m_grid = nullptr;
}

void CPopup::choose(int value)
{
    closeGrid();
    writeValue(value);
    emit activated(value);
}

void CPopup::mousePressEvent(QMouseEvent *event)
{
    if (ControlSupport::resetClick(event, *this))
        return;
    if (event->button() == Qt::LeftButton) {
        openGrid();
        return;
    }
    QWidget::mousePressEvent(event);
}

void CPopup::wheelEvent(QWheelEvent *event)
{
    ControlSupport::wheelEdit(event, *this, m_value);
}

void CPopup::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        openGrid();
        return;
    default:
        break;
    }
    if (ControlSupport::keyEdit(event, *this, m_value))
        return;
    QWidget::keyPressEvent(event);
}

void CPopup::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}
