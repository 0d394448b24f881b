#include "filterresponse.h"

#include <cmath>

namespace FilterResponse {

namespace {

double db(double magnitude)
{
    return 20 * std::log10(qMax(magnitude, 1e-6));
}

// Second-order sections at w = f / fc.
double denominator(double w, double q)
{
    return std::sqrt((1 - w * w) * (1 - w * w) + (w / q) * (w / q));
}
double lowPass2(double w, double q)
{
    return 1 / denominator(w, q);
}
double highPass2(double w, double q)
{
    return w * w / denominator(w, q);
}
double bandPass2(double w, double q)
{
    return (w / q) / denominator(w, q);
}
double notch2(double w, double q)
{
    return std::abs(1 - w * w) / denominator(w, q);
}
double lowPass1(double w)
{
    return 1 / std::sqrt(1 + w * w);
}

constexpr double butterworthQ = 0.7071;

// How far apart the dual filters' cutoffs are: up to three octaves.
double distanceRatio(int distance)
{
    return std::pow(2.0, 3.0 * distance / 127.0);
}

} // namespace

double resonanceQ(int resonance)
{
    return 0.5 + 11.5 * std::pow(qBound(0, resonance, 127) / 127.0, 1.5);
}

double resonancePeakDb(int resonance)
{
    return db(resonanceQ(resonance));
}

double filterDb(const QString &type, double cutoff, int resonance, int distance, double gain,
                double f)
{
    if (type == QLatin1String("Thru"))
        return 0;
    const double w = f / cutoff;
    const double q = resonanceQ(resonance);
    // A band-eliminate filter's resonance is its width: the wider, the lower the quality.
    const double width = 4.0 / (1 + 10.0 * resonance / 127.0);
    const double ratio = distanceRatio(distance);
    // A band-pass filter's resonance narrows its band more gently than it
    // raises a low-pass filter's peak.
    const double band = 0.7 * std::sqrt(q);
    const double w1 = f / (cutoff / std::sqrt(ratio));
    const double w2 = f / (cutoff * std::sqrt(ratio));
    double m = 1;
    if (type.startsWith(QLatin1String("LPF24")))
        m = lowPass2(w, q) * lowPass2(w, butterworthQ);
    else if (type == QLatin1String("LPF18") || type == QLatin1String("LPF18 Steep"))
        m = lowPass2(w, q) * lowPass1(type.endsWith(QLatin1String("Steep")) ? w * 1.5 : w);
    else if (type == QLatin1String("LPF12"))
        m = lowPass2(w, q);
    else if (type == QLatin1String("LPF6"))
        m = lowPass1(w);
    else if (type.startsWith(QLatin1String("HPF24")))
        m = highPass2(w, q) * highPass2(w, butterworthQ);
    else if (type == QLatin1String("HPF12"))
        m = highPass2(w, q);
    else if (type == QLatin1String("BPF6"))
        m = bandPass2(w, band);
    else if (type.startsWith(QLatin1String("BPF12")))
        m = bandPass2(w, band) * bandPass2(w, band);
    else if (type == QLatin1String("BPF Wide"))
        m = bandPass2(w, 0.35);
    else if (type == QLatin1String("BEF6"))
        m = notch2(w, width);
    else if (type == QLatin1String("BEF12"))
        m = notch2(w, width) * notch2(w, width * 1.5);
    else if (type == QLatin1String("Dual LPF"))
        m = lowPass2(w1, q) * lowPass2(w2, q) / q;
    else if (type == QLatin1String("Dual HPF"))
        m = highPass2(w1, q) * highPass2(w2, q) / q;
    else if (type == QLatin1String("Dual BPF"))
        m = (bandPass2(w1, band) + bandPass2(w2, band)) / 2;
    else if (type == QLatin1String("Dual BEF"))
        m = notch2(w1, width) * notch2(w2, width);
    else if (type == QLatin1String("LPF12+BPF6"))
        m = (lowPass2(w1, q) + bandPass2(w2, band)) / 2;
    else if (type == QLatin1String("HPF12+BPF6"))
        m = (highPass2(w2, q) + bandPass2(w1, band)) / 2;
    return db(m) + gain;
}

double highPassDb(double cutoff, double f)
{
    return db(highPass2(f / cutoff, butterworthQ));
}

double eqDb(const QString &type, double f1, double g1, double f2, double g2, double q, double f)
{
    if (type.startsWith(QLatin1String("Boost")))
        return QString(type).remove(QLatin1String("Boost")).remove(QLatin1String("dB")).toDouble();
    if (type == QLatin1String("2-Band")) {
        // Shelves of the first order: half their gain at their frequency.
        const double low = 1 / (1 + (f / f1) * (f / f1));
        const double high = (f / f2) * (f / f2) / (1 + (f / f2) * (f / f2));
        return g1 * low + g2 * high;
    }
    if (type == QLatin1String("Parametric")) {
        const double a = std::pow(10.0, g1 / 40);
        const double w = f / f1;
        const double num = (1 - w * w) * (1 - w * w) + (w * a / q) * (w * a / q);
        const double den = (1 - w * w) * (1 - w * w) + (w / (a * q)) * (w / (a * q));
        return 10 * std::log10(num / den);
    }
    return 0;
}

} // namespace FilterResponse
