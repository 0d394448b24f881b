#pragma once

#include <QString>

// Approximate magnitude responses, in dB, of the element's filters and EQ,
// from the standard analogue prototypes (one-pole and two-pole low, high
// and band pass, notch, shelves and a peaking band). They show how a
// setting shapes the sound; they do not model the instrument's circuits.
namespace FilterResponse {

// The main filter of type `type` (its value text: "LPF24 Digital",
// "HPF12", "BEF6", "Dual BPF", "LPF12+BPF6", "Thru", ...) at `cutoff` Hz
// with `resonance` 0 to 127, the dual types' `distance` 0 to 127 and
// `gain` dB, at frequency f.
double filterDb(const QString &type, double cutoff, int resonance, int distance, double gain,
                double f);
// The resonance's quality factor, and the height of its peak at the cutoff.
double resonanceQ(int resonance);
double resonancePeakDb(int resonance);
// The high-pass filter (12 dB per octave) at `cutoff` Hz.
double highPassDb(double cutoff, double f);
// The EQ of type `type` ("2-Band", "Parametric", "Boost 6dB", "Thru"): a
// low shelf at f1 with g1 dB and a high shelf at f2 with g2 dB, or one
// band at f1 with g1 dB and quality q.
double eqDb(const QString &type, double f1, double g1, double f2, double g2, double q, double f);

} // namespace FilterResponse
