#pragma once

#include "hresult.h"

class IMemAPI;
class IGenericEditorPluginInterface;

// What every detail dialog offers the host besides being a QWidget. The host
// obtains it from a dialog widget with
// IGenericEditorPluginInterface::editorExtensionsOf().
//
// The order of declaration across the three classes is the contract: slots 0
// and 1 come from IPersistPrivateData, slots 2 to 4 from IEditorExtensions.

// Private data the host may save with its documents. Detail dialogs keep
// none: both operations do nothing and return VESTRA_S_OK.
class VESTRA_INTERFACE IPersistPrivateData
{
public:
    // Slot 0. Writes the object's private data to the host's stream.
    virtual HRESULT savePrivateData(void *stream) = 0;
    // Slot 1. Reads the object's private data from the host's stream.
    virtual HRESULT loadPrivateData(void *stream) = 0;

protected:
    ~IPersistPrivateData() = default;
};

class VESTRA_INTERFACE IEditorExtensionsBase : public IPersistPrivateData
{
protected:
    ~IEditorExtensionsBase() = default;
};

class VESTRA_INTERFACE IEditorExtensions : public IEditorExtensionsBase
{
public:
    // Slot 2. Gives the dialog the parameter memory it edits. Attaching the
    // memory already attached (null included) does nothing. Returns VESTRA_S_OK.
    virtual HRESULT attachMemAPI(IMemAPI *memAPI) = 0;
    // Slot 3. Runs the dialog modally; the dialog deletes itself afterwards.
    // Without a parameter memory it is not shown, and deletes itself all the
    // same. Returns VESTRA_S_OK.
    virtual HRESULT runDialog() = 0;
    // Slot 4. Stores the add-on that created the dialog in *out. Returns
    // VESTRA_S_OK, or VESTRA_E_FAIL when out is null or the dialog knows no add-on.
    virtual HRESULT addOnOf(IGenericEditorPluginInterface **out) = 0;

protected:
    ~IEditorExtensions() = default;
};
