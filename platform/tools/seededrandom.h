#pragma once

#include <QtGlobal>

// A seeded source of random numbers that gives the same sequence for the
// same seed on every machine and with every standard library: xoshiro256**
// seeded through splitmix64, with integers drawn by rejection and fractions
// from the top 53 bits. The standard distributions are left alone on
// purpose: their results differ between libraries.
class SeededRandom
{
public:
    explicit SeededRandom(quint64 seed);

    // The next 64 random bits.
    quint64 next();
    // A whole number from `low` to `high`, both included (low when high < low).
    int between(int low, int high);
    // A fraction from 0 (included) to 1 (excluded).
    double fraction();

private:
    quint64 m_state[4];
};
