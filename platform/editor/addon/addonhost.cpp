#include "addon/addonhost.h"

#include <ieditorextensions.h>
#include <igenericeditorplugininterface.h>
#include <menuentryrecord.h>

#include <hostlook.h>

#include <QWidget>

AddOnHost::AddOnHost(QObject *parent)
    : QObject(parent)
{
}

AddOnHost::~AddOnHost()
{
    if (m_addOn)
        m_addOn->Release();
    // The library stays loaded until the process ends: dialogs and Qt's
    // meta-objects from it may still be around while the editor shuts down.
}

bool AddOnHost::load(const QString &path, QString *error)
{
    m_library.setFileName(path);
    if (!m_library.load()) {
        if (error)
            *error = tr("Cannot load the add-on %1: %2").arg(path, m_library.errorString());
        return false;
    }
    auto factory = reinterpret_cast<VestraVceFactory>(m_library.resolve("vestra_vce_factory"));
    if (!factory) {
        if (error)
            *error = tr("%1 is not an add-on: it has no vestra_vce_factory").arg(path);
        return false;
    }
    m_addOn = factory();
    if (!m_addOn) {
        if (error)
            *error = tr("The add-on %1 gave no plug-in object").arg(path);
        return false;
    }
    m_addOn->attachHost(nullptr, this);
    return true;
}

QVector<AddOnHost::Entry> AddOnHost::entries() const
{
    QVector<Entry> list;
    if (!m_addOn)
        return list;
    const int count = m_addOn->entryCount(nullptr);
    for (int i = 1; i <= count; ++i) {
        HRESULT code = VESTRA_E_FAIL;
        MenuEntryRecord *record = m_addOn->menuEntry(i, &code);
        if (!record)
            continue;
        list.append({ i, record->title ? *record->title : QString(), record->instance });
        m_addOn->releaseMenuEntry(record);
    }
    return list;
}

QWidget *AddOnHost::open(int index, IMemAPI *memory)
{
    if (!m_addOn)
        return nullptr;
    HRESULT code = VESTRA_E_FAIL;
    QWidget *dialog = m_addOn->createDialog(index, &code);
    if (!dialog)
        return nullptr;
    HostLook::applyTo(dialog);
    if (IEditorExtensions *extensions = m_addOn->editorExtensionsOf(dialog, nullptr))
        extensions->attachMemAPI(memory);
    return dialog;
}

bool AddOnHost::run(int index, IMemAPI *memory)
{
    QWidget *dialog = open(index, memory);
    if (!dialog)
        return false;
    if (IEditorExtensions *extensions = m_addOn->editorExtensionsOf(dialog, nullptr))
        extensions->runDialog();
    return true;
}

HRESULT AddOnHost::executeCommand(const W_GUID *group, int command, std::uint64_t *, std::uint64_t,
                                  bool)
{
    if (!group)
        return VESTRA_E_INVALIDARG;
    emit commandReceived(command);
    return VESTRA_S_OK;
}
