#pragma once

#include <QAccessibleWidget>
#include <QStringList>

class TMemProxy;

// What assistive tools learn of a value control: its name (the parameter's
// full name, with the element or drum key), its value text as the value,
// its range and default as the description, and through the value
// interface the value itself with its minimum and maximum. A selector
// (CPopup, CPullDownMenu) also offers its items as list items, the one
// chosen marked selected. Everything is read from the parameter memory when
// asked, so it follows type changes.
class ControlAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    ControlAccessible(QWidget *control, TMemProxy *proxy, QAccessible::Role role);
    ~ControlAccessible() override;

    // Registers the factory that gives every control of this library its
    // interface; repeated calls do nothing.
    static void installFactory();

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant &value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

    // The selector's item texts (empty for other controls), and which one is chosen.
    QStringList items() const;
    int chosenItem() const;

private:
    TMemProxy *m_proxy;
    mutable QList<QAccessible::Id> m_itemIds;
};
