#pragma once

#include "hresult.h"

#include <wguid.h>

// The identifiers of the host boundary.
//
// The interface identifiers are constants of the boundary; the add-on
// identifier and the host command group are built when the add-on library is
// loaded, with the utilities library's W_GUID constructor.
namespace VestraGuids {

// {00000000-0000-0000-C000-000000000046}
const W_GUID &iidUnknown();
// {6E5CB24E-A0BB-400D-9B75-042334A0C76A}: IGenericEditorPluginInterface.
const W_GUID &iidGenericEditorPlugin();
// {CD38DC80-836E-4644-93C8-61FC10C5F9C0}: the add-on, in every menu entry record.
const W_GUID &addOnIdentifier();
// {1ACA2154-5EFA-4154-8CF4-10A8B1B8720F}: the command group of every host command.
const W_GUID &hostCommandGroup();

} // namespace VestraGuids
