#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>

class QKeyEvent;
class QMouseEvent;
class QPainter;
class QWheelEvent;
class QWidget;
class TMemProxy;

// What the controls share: how they look when focused or disabled, and how
// the keyboard and the wheel step a value.
namespace ControlSupport {

// The font every control draws its texts at unless it is given another: a
// condensed family at a small pixel size, which fits value texts in the
// narrow fields of a dense form and reads well there.
QFont controlFont();

// Value text colour when a control is disabled and greys.
inline QColor greyText()
{
    return QColor(128, 128, 128);
}

// The foreground a control draws its text in: the palette's WindowText,
// grey when the widget is disabled and greyOnDisable is set.
QColor foreground(const QWidget *widget, bool greyOnDisable);

// Draws the focus rectangle (one pixel inside the widget) in `colour`.
void paintFocusRect(QPainter &painter, const QWidget *widget, const QColor &colour);

// The new value after a key press: arrows step by one, page keys by a
// tenth of the range (at least one), Home and End go to the ends. Returns
// false for keys that do not edit. (Delete, which resets, is keyEdit's.)
bool keyStep(const QKeyEvent *event, int value, int minimum, int maximum, int *result);

// The new value after a wheel turn: one step per notch, up or right
// increasing. Returns false when the event turns by less than a notch.
bool wheelStep(QWheelEvent *event, int value, int *result);

// A wheel turn or a key press on a control bound through `proxy`, whose
// shown value is `current`: writes the stepped value (Delete: the default)
// and accepts the event. Returns false (the event ignored) when the proxy is
// unbound or the event does not edit.
bool wheelEdit(QWheelEvent *event, TMemProxy &proxy, int current);
bool keyEdit(QKeyEvent *event, TMemProxy &proxy, int current);

// Ctrl+click, the other way back to the default: writes the parameter's
// default and accepts the event; false for any other press.
bool resetClick(QMouseEvent *event, TMemProxy &proxy);

// The name a control goes by in tooltips and for assistive tools: the
// parameter's full name, with the element or drum key it edits where its
// block has several ("Pan (Element 2)", "Level (Key 12)").
QString controlName(const TMemProxy &proxy);
// The range as texts: "L63 to R63".
QString rangeText(const TMemProxy &proxy);
// A control bound through `proxy` shows `valueText` now: refreshes its
// tooltip (name, value, range and the gestures; `typing` for the value
// fields, which take typed values) and tells assistive tools.
void valueShown(QWidget *control, const TMemProxy &proxy, const QString &valueText, bool typing);

// Accumulates wheel angle so that high-resolution wheels step once per notch.
int wheelNotches(QWheelEvent *event);

// A value between minimum and maximum, for a pointer at `offset` pixels
// along a track `length` pixels long.
int valueAt(int offset, int length, int minimum, int maximum);

// Where a value's thumb centre lies on a track `length` pixels long.
int offsetOf(int value, int length, int minimum, int maximum);

// The item texts of a ";"-terminated list ("Off;On;" gives Off and On).
QStringList splitItems(const QString &items);

} // namespace ControlSupport
