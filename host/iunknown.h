#pragma once

#include "hresult.h"

#include <wguid.h>

#include <cstdint>

// The root of every reference-counted object handed across the host boundary.
//
// The order of declaration is the contract: a host reaches each operation by
// its position in the table of virtual operations. Do not reorder, insert or
// remove operations. Objects are never deleted through this interface; the
// last Release() frees them.
class VESTRA_INTERFACE IUnknown
{
public:
    // Slot 0. Asks for the interface named by iid. On success stores the
    // object in *out, adds a reference and returns VESTRA_S_OK; otherwise
    // stores null and returns VESTRA_E_NOINTERFACE without touching the count.
    virtual HRESULT QueryInterface(const W_GUID &iid, void **out) = 0;
    // Slot 1. Adds a reference; returns the new count.
    virtual std::uint32_t AddRef() = 0;
    // Slot 2. Drops a reference; returns the new count. At 0 the object frees itself.
    virtual std::uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};
