#include "dialogs/onscreenguard.h"

#include "dialogs/windowplacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

OnScreenGuard::OnScreenGuard(QObject *parent)
    : QObject(parent)
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->installEventFilter(this);
}

OnScreenGuard::~OnScreenGuard()
{
    if (QCoreApplication *app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool OnScreenGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    const Qt::WindowType type = widget->windowType();
    if (!widget->isWindow() || type == Qt::Popup || type == Qt::ToolTip || type == Qt::Desktop)
        return false;
    // After the window has laid itself out and placed itself.
    keepOnScreen(widget);
    QTimer::singleShot(0, widget, [window = QPointer<QWidget>(widget)] { keepOnScreen(window); });
    return false;
}
