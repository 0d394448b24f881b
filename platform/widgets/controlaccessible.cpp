#include "controlaccessible.h"

#include "cdial.h"
#include "cfader.h"
#include "conoffbutton.h"
#include "controlsupport.h"
#include "cpopup.h"
#include "cpulldownmenu.h"
#include "ctextslider.h"

#include <QAbstractButton>
#include <QCoreApplication>

namespace {

// One item of a selector, owned by Qt's accessibility cache and dropped by
// its selector's interface.
class ItemAccessible : public QAccessibleInterface
{
public:
    ItemAccessible(ControlAccessible *selector, int index)
        : m_selector(selector)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_index < m_selector->items().size(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override { return m_selector->window(); }
    QAccessibleInterface *parent() const override { return m_selector; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text, const QString &) override {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? m_selector->items().value(m_index) : QString();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.selectable = true;
        state.selected = m_index == m_selector->chosenItem();
        state.invisible = true; // the list shows only when opened
        return state;
    }

private:
    ControlAccessible *m_selector;
    int m_index;
};

QAccessibleInterface *controlFactory(const QString &, QObject *object)
{
    if (auto *field = qobject_cast<CTextSlider *>(object))
        return new ControlAccessible(field, field, QAccessible::SpinBox);
    if (auto *slider = qobject_cast<CSlider *>(object))
        return new ControlAccessible(slider, slider, QAccessible::Slider);
    if (auto *popup = qobject_cast<CPopup *>(object))
        return new ControlAccessible(popup, popup, QAccessible::ComboBox);
    if (auto *menu = qobject_cast<CPullDownMenu *>(object))
        return new ControlAccessible(menu, menu, QAccessible::ComboBox);
    if (auto *dial = qobject_cast<CDial *>(object))
        return new ControlAccessible(dial, dial, QAccessible::Dial);
    if (auto *button = qobject_cast<COnOffButton *>(object))
        return new ControlAccessible(button, button, QAccessible::CheckBox);
    return nullptr;
}

} // namespace

ControlAccessible::ControlAccessible(QWidget *control, TMemProxy *proxy, QAccessible::Role role)
    : QAccessibleWidget(control, role)
    , m_proxy(proxy)
{
}

ControlAccessible::~ControlAccessible()
{
    for (QAccessible::Id id : std::as_const(m_itemIds))
        QAccessible::deleteAccessibleInterface(id);
}

void ControlAccessible::installFactory()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(controlFactory);
}

QStringList ControlAccessible::items() const
{
    if (auto *popup = qobject_cast<CPopup *>(widget()))
        return popup->items();
    if (auto *menu = qobject_cast<CPullDownMenu *>(widget()))
        return menu->items();
    return QStringList();
}

int ControlAccessible::chosenItem() const
{
    return m_proxy->isBound() ? m_proxy->value() - m_proxy->minimum() : -1;
}

QString ControlAccessible::text(QAccessible::Text t) const
{
    if (!m_proxy->isBound())
        return QAccessibleWidget::text(t);
    switch (t) {
    case QAccessible::Name:
        return ControlSupport::controlName(*m_proxy);
    case QAccessible::Value:
        if (auto *field = qobject_cast<CTextSlider *>(widget()))
            return field->shownText();
        if (auto *popup = qobject_cast<CPopup *>(widget()))
            return popup->shownText();
        if (auto *menu = qobject_cast<CPullDownMenu *>(widget()))
            return menu->text();
        return m_proxy->valueText(m_proxy->value());
    case QAccessible::Description:
        return QCoreApplication::translate("ControlSupport", "Range %1, default %2")
            .arg(ControlSupport::rangeText(*m_proxy), m_proxy->valueText(m_proxy->defaultValue()));
    default:
        return QAccessibleWidget::text(t);
    }
}

QAccessible::State ControlAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (auto *button = qobject_cast<QAbstractButton *>(widget())) {
        state.checkable = true;
        state.checked = button->isChecked();
    }
    return state;
}

void *ControlAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

int ControlAccessible::childCount() const
{
    return int(items().size());
}

QAccessibleInterface *ControlAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (m_itemIds.size() <= index) {
        auto *self = const_cast<ControlAccessible *>(this);
        auto *item = new ItemAccessible(self, int(m_itemIds.size()));
        m_itemIds.append(QAccessible::registerAccessibleInterface(item));
    }
    return QAccessible::accessibleInterface(m_itemIds.at(index));
}

int ControlAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (int i = 0; i < m_itemIds.size(); ++i) {
        if (QAccessible::accessibleInterface(m_itemIds.at(i)) == child)
            return i < childCount() ? i : -1;
    }
    return -1;
}

QVariant ControlAccessible::currentValue() const
{
    return m_proxy->value();
}

void ControlAccessible::setCurrentValue(const QVariant &value)
{
    m_proxy->writeValue(value.toInt());
}

QVariant ControlAccessible::maximumValue() const
{
    return m_proxy->maximum();
}

QVariant ControlAccessible::minimumValue() const
{
    return m_proxy->minimum();
}

QVariant ControlAccessible::minimumStepSize() const
{
    return 1;
}
