#include "dialogs/detaildialogs.h"

#include "addon/addonhost.h"
#include "addon/entryplaces.h"
#include "dialogs/windowplacement.h"

#include <tparametermemory.h>
#include <voicetype.h>

#include <QCoreApplication>
#include <QScreen>
#include <QWidget>

DetailDialogs::DetailDialogs(AddOnHost *addOn, TParameterMemory *memory, QWidget *window,
                             QWidget *view)
    : QObject(window)
    , m_addOn(addOn)
    , m_memory(memory)
    , m_window(window)
    , m_view(view)
{
}

QWidget *DetailDialogs::open(int index, QString *error)
{
    if (QWidget *dialog = m_dialogs.value(index)) {
        if (dialog->isMinimized())
            dialog->showNormal();
        dialog->raise();
        dialog->activateWindow();
        return dialog;
    }
    const std::optional<VoiceType> type = entryVoiceType(index);
    QWidget *dialog = nullptr;
    if (type == m_memory->voiceType())
        dialog = m_addOn->open(index, m_memory);
    if (!dialog) {
        if (error && type && type != m_memory->voiceType())
            *error =
                QCoreApplication::translate(
                    "DetailDialogs", "Entry %1 is for %2 voices: set the voice type to %2 first")
                    .arg(index)
                    .arg(voiceTypeName(*type));
        else if (error)
            *error =
                QCoreApplication::translate("DetailDialogs", "Entry %1 has no dialog").arg(index);
        return nullptr;
    }
    // A window of its own that belongs to the editor's: it stays in front of
    // it, and closes with it. It deletes itself when closed.
    dialog->setParent(m_window, dialog->windowFlags() | Qt::Dialog);
    QList<QRect> open;
    for (const QPointer<QWidget> &other : std::as_const(m_dialogs)) {
        if (other && other->isVisible())
            open.append(other->frameGeometry());
    }
    const QRect view(m_view->mapToGlobal(QPoint(0, 0)), m_view->size());
    dialog->move(placeBeside(dialog->frameGeometry().size(), m_window->frameGeometry(), view, open,
                             m_window->screen()->availableGeometry()));
    dialog->show();
    m_dialogs.insert(index, dialog);
    return dialog;
}

void DetailDialogs::keepVoiceType(VoiceType type)
{
    for (auto it = m_dialogs.begin(); it != m_dialogs.end();) {
        if (it.value() && entryVoiceType(it.key()) != type)
            it.value()->close();
        if (!it.value() || entryVoiceType(it.key()) != type)
            it = m_dialogs.erase(it);
        else
            ++it;
    }
}

void DetailDialogs::closeAll()
{
    for (const QPointer<QWidget> &dialog : std::as_const(m_dialogs)) {
        if (dialog)
            dialog->close();
    }
    m_dialogs.clear();
}
