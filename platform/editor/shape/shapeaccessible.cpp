#include "shapeaccessible.h"

#include "shapegraph.h"
#include "shapesource.h"

namespace {

// One point of a graph: read and set like a slider on its first parameter.
class ShapePointAccessible : public QAccessibleInterface, public QAccessibleValueInterface
{
public:
    ShapePointAccessible(ShapeGraph *graph, int point)
        : m_graph(graph)
        , m_point(point)
    {
    }

    bool isValid() const override { return m_graph && m_point < m_graph->handleCount(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_graph ? m_graph->window()->windowHandle() : nullptr;
    }
    QVector<QPair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_graph);
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
    QAccessible::Role role() const override { return QAccessible::Slider; }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const ShapeHandle &h = m_graph->handle(m_point);
        switch (t) {
        case QAccessible::Name:
            return QStringLiteral("%1, %2").arg(h.name, m_graph->source()->partName());
        case QAccessible::Value: {
            QStringList values;
            for (const auto &ref : { h.x, h.y })
                if (ref)
                    values << m_graph->source()->text(*ref);
            return values.join(QStringLiteral(", "));
        }
        case QAccessible::Description:
            return m_graph->describe(m_point);
        default:
            return {};
        }
    }

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QPoint at = m_graph->mapToGlobal(m_graph->handlePixel(m_point).toPoint());
        return QRect(at - QPoint(6, 6), QSize(13, 13));
    }

    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.focused = m_graph && m_graph->hasFocus() && m_graph->selected() == m_point;
        s.readOnly = m_graph && !m_graph->source()->editable();
        return s;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface *>(this)
                                                   : nullptr;
    }

    // The point's first parameter: its time, frequency or note.
    std::optional<ParameterRef> ref() const
    {
        if (!isValid())
            return std::nullopt;
        const ShapeHandle &h = m_graph->handle(m_point);
        return h.x ? h.x : h.y;
    }
    QVariant currentValue() const override
    {
        const auto r = ref();
        return r ? QVariant(m_graph->source()->value(*r)) : QVariant();
    }
    void setCurrentValue(const QVariant &value) override
    {
        if (const auto r = ref(); r && m_graph->source()->editable())
            m_graph->source()->write(*r, value.toInt());
    }
    QVariant maximumValue() const override
    {
        const auto r = ref();
        return r ? QVariant(m_graph->source()->maximum(*r)) : QVariant();
    }
    QVariant minimumValue() const override
    {
        const auto r = ref();
        return r ? QVariant(m_graph->source()->minimum(*r)) : QVariant();
    }
    QVariant minimumStepSize() const override { return 1; }

private:
    QPointer<ShapeGraph> m_graph;
    int m_point;
};

QAccessibleInterface *shapeFactory(const QString &, QObject *object)
{
    if (auto *graph = qobject_cast<ShapeGraph *>(object))
        return new ShapeGraphAccessible(graph);
    return nullptr;
}

} // namespace

ShapeGraphAccessible::ShapeGraphAccessible(ShapeGraph *graph)
    : QAccessibleWidget(graph, QAccessible::Chart, graph->title())
{
}

ShapeGraphAccessible::~ShapeGraphAccessible()
{
    for (QAccessible::Id id : std::as_const(m_children))
        QAccessible::deleteAccessibleInterface(id);
}

ShapeGraph *ShapeGraphAccessible::graph() const
{
    return static_cast<ShapeGraph *>(widget());
}

QVector<int> ShapeGraphAccessible::movablePoints() const
{
    QVector<int> points;
    for (int i = 0; i < graph()->handleCount(); ++i)
        if (graph()->handle(i).x || graph()->handle(i).y)
            points << i;
    return points;
}

int ShapeGraphAccessible::childCount() const
{
    return int(movablePoints().size());
}

QAccessibleInterface *ShapeGraphAccessible::child(int index) const
{
    const QVector<int> points = movablePoints();
    if (index < 0 || index >= points.size())
        return nullptr;
    const int point = points.at(index);
    if (!m_children.contains(point))
        m_children.insert(
            point,
            QAccessible::registerAccessibleInterface(new ShapePointAccessible(graph(), point)));
    return QAccessible::accessibleInterface(m_children.value(point));
}

int ShapeGraphAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    for (auto it = m_children.cbegin(); it != m_children.cend(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return int(movablePoints().indexOf(it.key()));
    return -1;
}

QAccessibleInterface *ShapeGraphAccessible::focusChild() const
{
    const int index = int(movablePoints().indexOf(graph()->selected()));
    return graph()->hasFocus() && index >= 0 ? child(index) : nullptr;
}

QAccessibleInterface *ShapeGraphAccessible::childAt(int x, int y) const
{
    const QVector<int> points = movablePoints();
    for (int i = 0; i < points.size(); ++i)
        if (QAccessibleInterface *c = child(i); c && c->rect().contains(x, y))
            return c;
    return nullptr;
}

void installShapeAccessibility()
{
    static bool installed = false;
    if (!installed)
        QAccessible::installFactory(shapeFactory);
    installed = true;
}
