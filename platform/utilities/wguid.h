#pragma once

#include "utilities_export.h"

#include <cstdint>

// A 16-byte globally unique identifier, laid out as the host platform lays it
// out: a 32-bit word, two 16-bit words and eight bytes, each word in the
// machine's (little-endian) byte order. Two identifiers are equal when their
// 16 bytes are equal.
struct VESTRA_UTILITIES_EXPORT W_GUID
{
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    // The null identifier: all 16 bytes zero.
    W_GUID();
    W_GUID(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::uint8_t b0, std::uint8_t b1,
           std::uint8_t b2, std::uint8_t b3, std::uint8_t b4, std::uint8_t b5, std::uint8_t b6,
           std::uint8_t b7);

    bool operator==(const W_GUID &other) const;
    bool operator!=(const W_GUID &other) const { return !(*this == other); }
};

static_assert(sizeof(W_GUID) == 16, "W_GUID must be exactly 16 bytes");
