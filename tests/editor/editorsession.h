#pragma once

#include <addon/addonhost.h>
#include <addon/editorvoicedata.h>
#include <mainwindow.h>
#include <tparametermemory.h>

#include <ctextslider.h>

#include <QApplication>
#include <QTest>

#include <memory>

// The editor as the program puts it together: voice data, memory, the add-on
// built beside the tests and the window, shown. The window goes first, with
// the dialogs beside it.
struct EditorSession
{
    EditorVoiceData voiceData;
    TParameterMemory memory;
    AddOnHost addOn;
    std::unique_ptr<MainWindow> window;
    QString error;

    EditorSession()
    {
        memory.setVoiceData(&voiceData);
        if (addOn.load(QStringLiteral(VESTRA_ADDON_PATH), &error)) {
            window = std::make_unique<MainWindow>(&memory, &voiceData, &addOn);
            window->show();
        }
    }
};

// The value field of a dialog bound to `address`.
inline CTextSlider *field(QWidget *dialog, const QString &address)
{
    for (CTextSlider *slider : dialog->findChildren<CTextSlider *>())
        if (slider->namedAddress() == address)
            return slider;
    return nullptr;
}

inline void wheel(QWidget *w, int delta)
{
    QWheelEvent event(QPointF(w->width() / 2, w->height() / 2), QPointF(), QPoint(),
                      QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &event);
}

// Makes `window` the active one, so that its shortcuts answer keys.
inline bool activate(QWidget *window)
{
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}
