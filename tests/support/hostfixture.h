#pragma once

#include "recordinghost.h"
#include "testvoicedata.h"

#include <ieditorextensions.h>
#include <igenericeditorplugininterface.h>
#include <tparametermemory.h>

#include <QLibrary>
#include <QPointer>
#include <QWidget>

// What a host gives a dialog, for tests that work through the add-on's
// public boundary: the built add-on loaded by path, a real parameter memory
// with voice data, and a host command interface that records commands.
class HostFixture
{
public:
    HostFixture()
        : m_library(QStringLiteral(VESTRA_ADDON_PATH))
    {
        memory.setVoiceData(&voiceData);
        auto factory = reinterpret_cast<VestraVceFactory>(m_library.resolve("vestra_vce_factory"));
        if (factory)
            addOn = factory();
        if (addOn)
            addOn->attachHost(nullptr, &host);
    }
    ~HostFixture()
    {
        if (addOn)
            addOn->Release();
    }
    HostFixture(const HostFixture &) = delete;
    HostFixture &operator=(const HostFixture &) = delete;

    QString loadError() const { return addOn ? QString() : m_library.errorString(); }

    // The dialog of a menu entry, created but without a parameter memory.
    QWidget *create(int entry)
    {
        HRESULT code = -1;
        QWidget *dialog = addOn->createDialog(entry, &code);
        return code == VESTRA_S_OK ? dialog : nullptr;
    }
    IEditorExtensions *extensionsOf(QWidget *dialog)
    {
        return addOn->editorExtensionsOf(dialog, nullptr);
    }
    // Created and attached to the memory, as the host opens a dialog before
    // running it; shown (not modally), so that visibility can be checked.
    QWidget *open(int entry)
    {
        QWidget *dialog = create(entry);
        if (!dialog)
            return nullptr;
        if (IEditorExtensions *extensions = extensionsOf(dialog))
            extensions->attachMemAPI(&memory);
        dialog->show();
        return dialog;
    }

    RecordingHost host;
    TestVoiceData voiceData;
    TParameterMemory memory;
    IGenericEditorPluginInterface *addOn = nullptr;

private:
    QLibrary m_library;
};
