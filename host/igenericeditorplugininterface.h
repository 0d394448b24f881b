#pragma once

#include "iunknown.h"

class QWidget;
class IEditorExtensions;
class IHostCommandTarget;
struct MenuEntryRecord;

// The add-on's interface to the host editor, returned by the exported factory
// vestra_vce_factory().
//
// The order of declaration is the contract: a host reaches each operation by
// its position (slots 0 to 2 come from IUnknown). Operations taking an
// `HRESULT *code` accept null there; on success they store VESTRA_S_OK in it.
class VESTRA_INTERFACE IGenericEditorPluginInterfaceBase : public IUnknown
{
public:
    // Slot 3. Gives the add-on the host command interface, which every dialog
    // created afterwards uses for its selection commands. The first argument
    // is not used. Returns VESTRA_S_OK.
    virtual HRESULT attachHost(void *host, IHostCommandTarget *commands) = 0;
    // Slots 4 and 5. Not used; return VESTRA_S_OK.
    virtual HRESULT reserved4() = 0;
    virtual HRESULT reserved5() = 0;

protected:
    ~IGenericEditorPluginInterfaceBase() = default;
};

class VESTRA_INTERFACE IGenericEditorPluginInterface : public IGenericEditorPluginInterfaceBase
{
public:
    // Slot 6. The number of menu entries: 35.
    virtual int entryCount(HRESULT *code) = 0;
    // Slot 7. A new record for menu entry `index` (1 to 35), owned by the host
    // until it hands it back to releaseMenuEntry(). An index out of range
    // gives null and VESTRA_E_INVALIDARG.
    virtual MenuEntryRecord *menuEntry(int index, HRESULT *code) = 0;
    // Slot 8. The same as slot 7.
    virtual MenuEntryRecord *menuEntryAlias(int index, HRESULT *code) = 0;
    // Slot 9. Frees a record from menuEntry(). VESTRA_E_FAIL for null.
    virtual HRESULT releaseMenuEntry(MenuEntryRecord *record) = 0;
    // Slot 10. A new, hidden dialog for menu entry `index` (1 to 35), or null
    // for any other index; the code is VESTRA_S_OK either way. The dialog
    // deletes itself when it is closed.
    virtual QWidget *createDialog(int index, HRESULT *code) = 0;
    // Slot 11. The IEditorExtensions of a dialog from createDialog(), or null
    // for any other widget; the code is VESTRA_S_OK either way.
    virtual IEditorExtensions *editorExtensionsOf(QWidget *dialog, HRESULT *code) = 0;
    // Slot 12. Not implemented: returns VESTRA_E_NOTIMPL.
    virtual HRESULT notImplemented() = 0;
    // Slot 13. The destructor: frees the object when deleteFlag is non-zero.
    // Called by the last Release(); a host never calls it directly.
    virtual void destroy(unsigned int deleteFlag) = 0;

protected:
    ~IGenericEditorPluginInterface() = default;
};

// The one function the add-on library exports: returns a new add-on object
// with one reference, owned by the caller, or null when it cannot be made.
extern "C" {
typedef IGenericEditorPluginInterface *(*VestraVceFactory)();
}
