#pragma once

#include <cstdint>

// Result codes of the host boundary. Every operation that reports a result
// returns one of these as a 32-bit signed integer; an optional out-parameter
// of this type is set to VESTRA_S_OK on success.
typedef std::int32_t HRESULT;

constexpr HRESULT VESTRA_S_OK = 0;
constexpr HRESULT VESTRA_E_NOTIMPL = static_cast<HRESULT>(0x80004001u);
constexpr HRESULT VESTRA_E_NOINTERFACE = static_cast<HRESULT>(0x80004002u);
constexpr HRESULT VESTRA_E_FAIL = static_cast<HRESULT>(0x80004005u);
constexpr HRESULT VESTRA_E_INVALIDARG = static_cast<HRESULT>(0x80070057u);

// Interfaces that cross a library boundary keep default visibility so that
// their run-time type information is shared and run-time casts work between
// the host, the platform libraries and the add-on.
#define VESTRA_INTERFACE __attribute__((visibility("default")))
