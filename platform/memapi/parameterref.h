#pragma once

#include <QHashFunctions>
#include <QtGlobal>

#include <functional>
#include <tuple>

// One value of a voice: parameter `low` of block `high` in part `part`
// (element, drum key, or 0 for a block of one part). The numbers are the
// schema's indexes, as the memory and its controls resolve an address.
struct ParameterRef
{
    quint16 high = 0;
    quint16 low = 0;
    int part = 0;

    friend constexpr bool operator==(const ParameterRef &a, const ParameterRef &b)
    {
        return a.high == b.high && a.low == b.low && a.part == b.part;
    }
    friend constexpr bool operator!=(const ParameterRef &a, const ParameterRef &b)
    {
        return !(a == b);
    }
    // Schema order: block, then part, then parameter.
    friend constexpr bool operator<(const ParameterRef &a, const ParameterRef &b)
    {
        return std::tie(a.high, a.part, a.low) < std::tie(b.high, b.part, b.low);
    }
    // One number for hashing and ordered keys.
    constexpr quint64 key() const
    {
        return (quint64(high) << 48) | (quint64(low) << 32) | quint32(part);
    }
    static constexpr ParameterRef fromKey(quint64 key)
    {
        return { quint16(key >> 48), quint16((key >> 32) & 0xFFFF), int(quint32(key)) };
    }
};

inline size_t qHash(const ParameterRef &ref, size_t seed = 0) noexcept
{
    return qHash(ref.key(), seed);
}

template <>
struct std::hash<ParameterRef>
{
    size_t operator()(const ParameterRef &ref) const noexcept
    {
        return std::hash<quint64>()(ref.key());
    }
};
