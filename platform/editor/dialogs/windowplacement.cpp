#include "dialogs/windowplacement.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int gap = 8;
constexpr int cascadeStep = 32;

} // namespace

QSize fittedWindowSize(const QSize &wanted, const QRect &screen)
{
    // Room for the window's frame and the desktop's edges.
    const QSize room = screen.size() - QSize(2 * gap + 16, 2 * gap + 40);
    return wanted.boundedTo(room.expandedTo(QSize(1, 1)));
}

QRect keptOnScreen(const QRect &frame, const QRect &screen)
{
    QRect r(frame.topLeft(), frame.size().boundedTo(screen.size()));
    r.moveLeft(qBound(screen.left(), r.left(), screen.right() - r.width() + 1));
    r.moveTop(qBound(screen.top(), r.top(), screen.bottom() - r.height() + 1));
    return r;
}

QPoint placeBeside(const QSize &size, const QRect &window, const QRect &view,
                   const QList<QRect> &open, const QRect &screen)
{
    // Outside the window first, then beside the open dialogs, then over the
    // window's panels beside its view.
    QList<QPoint> corners{ QPoint(window.right() + 1 + gap, window.top()),
                           QPoint(window.left() - gap - size.width(), window.top()) };
    QList<QPoint> besideDialogs;
    for (const QRect &r : open)
        besideDialogs << QPoint(r.left(), r.bottom() + 1 + gap)
                      << QPoint(r.right() + 1 + gap, r.top());
    std::sort(besideDialogs.begin(), besideDialogs.end(), [](const QPoint &a, const QPoint &b) {
        return a.x() != b.x() ? a.x() < b.x() : a.y() < b.y();
    });
    corners << besideDialogs << QPoint(view.right() + 1 + gap, window.top())
            << QPoint(window.left(), window.bottom() + 1 + gap);
    QList<QRect> taken = open;
    taken << view;
    for (const QPoint &corner : std::as_const(corners)) {
        const QRect rect(corner, size);
        if (screen.contains(rect) && std::none_of(taken.begin(), taken.end(), [&](const QRect &r) {
                return r.intersects(rect);
            }))
            return corner;
    }
    const int n = int(open.size());
    const QPoint cascaded(window.right() + 1 - size.width() - cascadeStep * n,
                          window.top() + cascadeStep * (n + 1));
    return keptOnScreen(QRect(cascaded, size), screen).topLeft();
}

void keepOnScreen(QWidget *window)
{
    if (!window || !window->isWindow() || !window->screen())
        return;
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QRect kept = keptOnScreen(frame, screen);
    if (kept.size() != frame.size())
        window->resize(window->size() - (frame.size() - kept.size()));
    // A window that cannot shrink that far starts at the screen's corner.
    const QSize now = window->frameGeometry().size();
    window->move(keptOnScreen(QRect(kept.topLeft(), now), screen).topLeft());
}
