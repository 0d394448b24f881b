#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where the editor's windows go on the screen. Rectangles are frames in
// screen coordinates; `screen` is the screen's available area.

// The size of a main window on `screen`: `wanted` where it fits, else the
// available area less a margin, so that the whole window shows.
QSize fittedWindowSize(const QSize &wanted, const QRect &screen);

// `frame` moved (and, where it is larger than the screen, cut to its size)
// so that it lies wholly on `screen`.
QRect keptOnScreen(const QRect &frame, const QRect &screen);

// The top left corner of a new dialog of `size` beside the main window
// `window` whose view is `view`: the first free place right or left of the
// window, beside or below an open dialog (`open`), or over the window's
// edge beside its view, that covers neither the view nor an open dialog
// and lies on the screen. Without such a place, the dialogs cascade from
// the window's right edge.
QPoint placeBeside(const QSize &size, const QRect &window, const QRect &view,
                   const QList<QRect> &open, const QRect &screen);

// Moves and, where it can, shrinks a top-level window so that its frame
// lies wholly on the available area of its screen.
void keepOnScreen(QWidget *window);
