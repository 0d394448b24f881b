#pragma once

#include <voicetype.h>

#include <QHash>
#include <QObject>
#include <QPointer>

class AddOnHost;
class QWidget;
class TParameterMemory;

// The add-on's detail dialogs the editor has open, one per entry at most.
// Each opens beside the main window where it covers neither the window's
// view nor another dialog, and closes with the window or when the voice
// changes to another type.
class DetailDialogs : public QObject
{
public:
    // `window` is the main window the dialogs belong to, `view` the part
    // of it they keep clear of.
    DetailDialogs(AddOnHost *addOn, TParameterMemory *memory, QWidget *window, QWidget *view);

    // Opens entry `index`'s dialog, or brings it to the front when it is
    // open. Null, with the reason in *error, for an entry without a dialog
    // or of another voice type than the voice's.
    QWidget *open(int index, QString *error = nullptr);
    // Entry `index`'s open dialog, or null.
    QWidget *dialog(int index) const { return m_dialogs.value(index); }

    // Closes the dialogs of other voice types than `type`.
    void keepVoiceType(VoiceType type);
    void closeAll();

private:
    AddOnHost *m_addOn;
    TParameterMemory *m_memory;
    QWidget *m_window;
    QWidget *m_view;
    QHash<int, QPointer<QWidget>> m_dialogs;
};
