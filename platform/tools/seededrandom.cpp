#include "seededrandom.h"

namespace {

quint64 splitMix64(quint64 *x)
{
    quint64 z = (*x += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

constexpr quint64 rotateLeft(quint64 x, int k)
{
    return (x << k) | (x >> (64 - k));
}

} // namespace

SeededRandom::SeededRandom(quint64 seed)
{
    quint64 x = seed;
    for (quint64 &word : m_state)
        word = splitMix64(&x);
}

quint64 SeededRandom::next()
{
    const quint64 result = rotateLeft(m_state[1] * 5, 7) * 9;
    const quint64 t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = rotateLeft(m_state[3], 45);
    return result;
}

int SeededRandom::between(int low, int high)
{
    if (high <= low)
        return low;
    const quint64 span = quint64(qint64(high) - qint64(low)) + 1;
    // The largest multiple of span that 64 bits hold: draws above it would
    // favour the low values.
    const quint64 limit = ~quint64(0) - (~quint64(0) % span);
    quint64 draw = next();
    while (draw >= limit)
        draw = next();
    return int(qint64(low) + qint64(draw % span));
}

double SeededRandom::fraction()
{
    return double(next() >> 11) * (1.0 / 9007199254740992.0);
}
