#include "controlsupport.h"

#include <tmemproxy.h>
#include <tparametermemory.h>

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStringList>
#include <QWheelEvent>
#include <QWidget>

#include <algorithm>

namespace ControlSupport {

QFont controlFont()
{
    QFont font(QStringLiteral("Roboto Condensed"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(12);
    return font;
}

QColor foreground(const QWidget *widget, bool greyOnDisable)
{
    if (!widget->isEnabled() && greyOnDisable)
        return greyText();
    return widget->palette().color(QPalette::Active, QPalette::WindowText);
}

void paintFocusRect(QPainter &painter, const QWidget *widget, const QColor &colour)
{
    painter.save();
    painter.setPen(colour.isValid() ? colour : widget->palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(widget->rect().adjusted(0, 0, -1, -1));
    painter.restore();
}

bool keyStep(const QKeyEvent *event, int value, int minimum, int maximum, int *result)
{
    const int page = std::max(1, (maximum - minimum) / 10);
    int v = value;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Plus:
        v = value + 1;
        break;
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Minus:
        v = value - 1;
        break;
    case Qt::Key_PageUp:
        v = value + page;
        break;
    case Qt::Key_PageDown:
        v = value - page;
        break;
    case Qt::Key_Home:
        v = minimum;
        break;
    case Qt::Key_End:
        v = maximum;
        break;
    default:
        return false;
    }
    *result = std::clamp(v, minimum, std::max(minimum, maximum));
    return true;
}

int wheelNotches(QWheelEvent *event)
{
    const QPoint angle = event->angleDelta();
    const int delta = std::abs(angle.y()) >= std::abs(angle.x()) ? angle.y() : angle.x();
    return delta / 120;
}

bool wheelStep(QWheelEvent *event, int value, int *result)
{
    const int notches = wheelNotches(event);
    if (notches == 0)
        return false;
    *result = value + notches;
    return true;
}

bool wheelEdit(QWheelEvent *event, TMemProxy &proxy, int current)
{
    int v = 0;
    if (!proxy.isBound() || !wheelStep(event, current, &v)) {
        event->ignore();
        return false;
    }
    proxy.writeValue(v);
    event->accept();
    return true;
}

bool keyEdit(QKeyEvent *event, TMemProxy &proxy, int current)
{
    int v = 0;
    if (!proxy.isBound())
        return false;
    if (event->key() == Qt::Key_Delete)
        v = proxy.defaultValue();
    else if (!keyStep(event, current, proxy.minimum(), proxy.maximum(), &v))
        return false;
    proxy.writeValue(v);
    event->accept();
    return true;
}

bool resetClick(QMouseEvent *event, TMemProxy &proxy)
{
    if (event->button() != Qt::LeftButton || !(event->modifiers() & Qt::ControlModifier)
        || !proxy.isBound())
        return false;
    proxy.writeValue(proxy.defaultValue());
    event->accept();
    return true;
}

QString controlName(const TMemProxy &proxy)
{
    const QString name = proxy.fullName();
    switch (proxy.partCount()) {
    case TParameterMemory::ElementCount:
        return QCoreApplication::translate("ControlSupport", "%1 (Element %2)")
            .arg(name, QString::number(proxy.boundPart() + 1));
    case TParameterMemory::DrumKeyCount:
        return QCoreApplication::translate("ControlSupport", "%1 (Key %2)")
            .arg(name, PartNames::drumKeyName(proxy.boundPart()));
    default:
        return name;
    }
}

QString rangeText(const TMemProxy &proxy)
{
    return QCoreApplication::translate("ControlSupport", "%1 to %2")
        .arg(proxy.valueText(proxy.minimum()), proxy.valueText(proxy.maximum()));
}

void valueShown(QWidget *control, const TMemProxy &proxy, const QString &valueText, bool typing)
{
    if (!proxy.isBound())
        return;
    const QString name = controlName(proxy);
    const QString gestures = typing
        ? QCoreApplication::translate("ControlSupport",
                                      "Type a value and press Enter.\n"
                                      "Delete or Ctrl+click: back to the default, %1.")
        : QCoreApplication::translate("ControlSupport",
                                      "Delete or Ctrl+click: back to the default, %1.");
    const QString before = control->toolTip();
    control->setToolTip(QCoreApplication::translate("ControlSupport", "%1\nValue: %2\nRange: %3\n")
                            .arg(name, valueText, rangeText(proxy))
                        + gestures.arg(proxy.valueText(proxy.defaultValue())));
    if (!QAccessible::isActive())
        return;
    if (before.section(QLatin1Char('\n'), 0, 0) != name) {
        QAccessibleEvent renamed(control, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    QAccessibleValueChangeEvent changed(control, proxy.value());
    QAccessible::updateAccessibility(&changed);
}

int valueAt(int offset, int length, int minimum, int maximum)
{
    if (length <= 1 || maximum <= minimum)
        return minimum;
    const int clamped = std::clamp(offset, 0, length - 1);
    const double fraction = double(clamped) / double(length - 1);
    return minimum + int(fraction * double(maximum - minimum) + 0.5);
}

int offsetOf(int value, int length, int minimum, int maximum)
{
    if (length <= 1 || maximum <= minimum)
        return 0;
    const double fraction =
        double(std::clamp(value, minimum, maximum) - minimum) / double(maximum - minimum);
    return int(fraction * double(length - 1) + 0.5);
}

QStringList splitItems(const QString &items)
{
    QStringList list = items.split(QLatin1Char(';'));
    // The last text is followed by ";" too; what follows it is not an item.
    if (!list.isEmpty())
        list.removeLast();
    return list;
}

} // namespace ControlSupport
