#include "wguid.h"

#include <cstring>

W_GUID::W_GUID()
    : data1(0)
    , data2(0)
    , data3(0)
    , data4{ 0, 0, 0, 0, 0, 0, 0, 0 }
{
}

W_GUID::W_GUID(std::uint32_t d1, std::uint16_t d2, std::uint16_t d3, std::uint8_t b0,
               std::uint8_t b1, std::uint8_t b2, std::uint8_t b3, std::uint8_t b4, std::uint8_t b5,
               std::uint8_t b6, std::uint8_t b7)
    : data1(d1)
    , data2(d2)
    , data3(d3)
    , data4{ b0, b1, b2, b3, b4, b5, b6, b7 }
{
}

bool W_GUID::operator==(const W_GUID &other) const
{
    return std::memcmp(this, &other, sizeof(W_GUID)) == 0;
}
