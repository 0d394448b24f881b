#pragma once

#include <QAccessibleWidget>
#include <QHash>

class ShapeGraph;

// What screen readers see of a Shape graph: the graph under its title,
// with one child per point that can be moved, named after the point and
// the part shown ("Attack, element 2"), its value texts as its value and
// its parameters in full as its description. A point's value can be set
// as a slider's is. installShapeAccessibility() makes Qt use it.
class ShapeGraphAccessible : public QAccessibleWidget
{
public:
    explicit ShapeGraphAccessible(ShapeGraph *graph);
    ~ShapeGraphAccessible() override;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *focusChild() const override;
    QAccessibleInterface *childAt(int x, int y) const override;

    ShapeGraph *graph() const;
    // The points that can be moved, by their index among the graph's points.
    QVector<int> movablePoints() const;

private:
    mutable QHash<int, QAccessible::Id> m_children;
};

void installShapeAccessibility();
