#include "detaildialogsaddon.h"

#include "catalogue.h"
#include "dialsetting.h"

#include <guids.h>
#include <ieditorextensions.h>

#include <QWidget>

#include <cstring>

namespace {

void setCode(HRESULT *code, HRESULT value)
{
    if (code)
        *code = value;
}

// Identifiers are compared as two 64-bit words, as the host compares them.
bool sameIdentifier(const W_GUID &a, const W_GUID &b)
{
    std::uint64_t wa[2];
    std::uint64_t wb[2];
    std::memcpy(wa, &a, sizeof wa);
    std::memcpy(wb, &b, sizeof wb);
    return wa[0] == wb[0] && wa[1] == wb[1];
}

} // namespace

DetailDialogsAddOn::DetailDialogsAddOn()
    : m_refCount(1)
{
}

DetailDialogsAddOn::~DetailDialogsAddOn() = default;

HRESULT DetailDialogsAddOn::QueryInterface(const W_GUID &iid, void **out)
{
    if (!out)
        return VESTRA_E_NOINTERFACE;
    if (sameIdentifier(iid, VestraGuids::iidUnknown())
        || sameIdentifier(iid, VestraGuids::iidGenericEditorPlugin())) {
        AddRef();
        *out = static_cast<IGenericEditorPluginInterface *>(this);
        return VESTRA_S_OK;
    }
    *out = nullptr;
    return VESTRA_E_NOINTERFACE;
}

std::uint32_t DetailDialogsAddOn::AddRef()
{
    return m_refCount.fetch_add(1) + 1;
}

std::uint32_t DetailDialogsAddOn::Release()
{
    const std::uint32_t count = m_refCount.fetch_sub(1) - 1;
    if (count == 0)
        destroy(1);
    return count;
}

HRESULT DetailDialogsAddOn::attachHost(void *, IHostCommandTarget *commands)
{
    m_hostCommands = commands;
    applyDialOrientationSetting();
    return VESTRA_S_OK;
}

HRESULT DetailDialogsAddOn::reserved4()
{
    return VESTRA_S_OK;
}

HRESULT DetailDialogsAddOn::reserved5()
{
    return VESTRA_S_OK;
}

int DetailDialogsAddOn::entryCount(HRESULT *code)
{
    setCode(code, VESTRA_S_OK);
    return Catalogue::entryCount;
}

MenuEntryRecord *DetailDialogsAddOn::menuEntry(int index, HRESULT *code)
{
    if (!Catalogue::isValidEntry(index)) {
        setCode(code, VESTRA_E_INVALIDARG);
        return nullptr;
    }
    MenuEntryRecord *record = Catalogue::newMenuEntryRecord(index);
    setCode(code, VESTRA_S_OK);
    return record;
}

MenuEntryRecord *DetailDialogsAddOn::menuEntryAlias(int index, HRESULT *code)
{
    return menuEntry(index, code);
}

HRESULT DetailDialogsAddOn::releaseMenuEntry(MenuEntryRecord *record)
{
    if (!record)
        return VESTRA_E_FAIL;
    Catalogue::deleteMenuEntryRecord(record);
    return VESTRA_S_OK;
}

QWidget *DetailDialogsAddOn::createDialog(int index, HRESULT *code)
{
    setCode(code, VESTRA_S_OK);
    return Catalogue::createDialog(index, this, m_hostCommands);
}

IEditorExtensions *DetailDialogsAddOn::editorExtensionsOf(QWidget *dialog, HRESULT *code)
{
    setCode(code, VESTRA_S_OK);
    return dynamic_cast<IEditorExtensions *>(dialog);
}

HRESULT DetailDialogsAddOn::notImplemented()
{
    return VESTRA_E_NOTIMPL;
}

void DetailDialogsAddOn::destroy(unsigned int deleteFlag)
{
    if (deleteFlag)
        delete this;
}
