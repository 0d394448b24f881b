#pragma once

#include <QObject>

// Keeps every window the application shows (the main window, the detail
// dialogs, selection windows, message boxes, file dialogs) wholly on the
// available area of its screen: a window that shows partly off it is moved
// on, and cut to the screen's size where it can shrink.
class OnScreenGuard : public QObject
{
public:
    explicit OnScreenGuard(QObject *parent = nullptr);
    ~OnScreenGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
