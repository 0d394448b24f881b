#include "cpulldownmenu.h"

#include "controlaccessible.h"
#include "controlsupport.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QWheelEvent>

CPullDownMenu::CPullDownMenu(QWidget *parent, const char *name)
    : QLabel(parent)
    , TMemProxy(this)
{
    setObjectName(QLatin1String(name));
    setFocusPolicy(Qt::StrongFocus);
    setFont(ControlSupport::controlFont());
    ControlAccessible::installFactory();
}

CPullDownMenu::~CPullDownMenu() = default;

void CPullDownMenu::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}

void CPullDownMenu::setMenuItemList(const QString &items)
{
    m_items = ControlSupport::splitItems(items);
    if (isBound())
        showValue();
}

QStringList CPullDownMenu::items() const
{
    if (!m_items.isEmpty() || !isBound())
        return m_items;
    QStringList texts;
    for (int v = minimum(); v <= maximum(); ++v)
        texts.append(valueText(v));
    return texts;
}

FittedText CPullDownMenu::drawnText() const
{
    const int m = margin();
    return FittedText(text(), contentsRect().adjusted(m, m, -m, -m), this);
}

void CPullDownMenu::paintEvent(QPaintEvent *event)
{
    const FittedText drawn = drawnText();
    if (drawn.font() == font() && !drawn.isElided()) {
        QLabel::paintEvent(event);
        return;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setFont(drawn.font());
    style()->drawItemText(&painter, drawn.area(),
                          int(QStyle::visualAlignment(layoutDirection(), alignment())), palette(),
                          isEnabled(), drawn.shown(), foregroundRole());
}

void CPullDownMenu::memoryValueChanged(int value)
{
    m_value = value;
    showValue();
    ControlSupport::valueShown(this, *this, text(), false);
}

void CPullDownMenu::showValue()
{
    const int index = m_value - minimum();
    setText(index >= 0 && index < m_items.size() ? m_items.at(index) : valueText(m_value));
}

void CPullDownMenu::openMenu()
{
    if (!isBound() || readOnly())
        return;
    if (m_menu)
        m_menu->close();
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QStringList texts = items();
    const int first = minimum();
    for (int i = 0; i < texts.size(); ++i) {
        QAction *action = menu->addAction(texts.at(i));
        action->setCheckable(true);
        action->setChecked(first + i == m_value);
        const int v = first + i;
        connect(action, &QAction::triggered, this, [this, v] {
            writeValue(v);
            emit activated(v);
        });
    }
    m_menu = menu;
    menu->popup(mapToGlobal(QPoint(0, height())));
}

void CPullDownMenu::mousePressEvent(QMouseEvent *event)
{
    if (ControlSupport::resetClick(event, *this))
        return;
    if (event->button() == Qt::LeftButton) {
        openMenu();
        return;
    }
    QLabel::mousePressEvent(event);
}

void CPullDownMenu::wheelEvent(QWheelEvent *event)
{
    ControlSupport::wheelEdit(event, *this, m_value);
}

void CPullDownMenu::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return
        || event->key() == Qt::Key_Enter) {
        openMenu();
        return;
    }
    if (ControlSupport::keyEdit(event, *this, m_value))
        return;
    QLabel::keyPressEvent(event);
}
