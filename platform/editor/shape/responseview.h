#pragma once

#include "shapegraph.h"

#include <QString>

// The shown element's (or drum key's) filter section and EQ as responses
// over frequency, 20 Hz to 20 kHz on a logarithmic axis, in dB: the main
// filter at its cutoff and resonance for its type together with the
// high-pass filter, and the EQ's curve. Points: the cutoff (sideways) with
// the resonance (up and down), the high-pass cutoff, and each EQ band's
// frequency and gain.
class ResponseView : public ShapeGraph
{
    Q_OBJECT

public:
    explicit ResponseView(ShapeSource *source, QWidget *parent = nullptr);

    // The responses at f Hz, in dB.
    double filterDbAt(double f) const;
    double eqDbAt(double f) const;

    static constexpr double lowestHz = 20;
    static constexpr double highestHz = 20000;
    static constexpr double lowestDb = -36;
    static constexpr double highestDb = 30;

protected:
    void build() override;
    QPointF toPixel(const QPointF &data) const override;
    void paintShape(QPainter &painter) override;

private:
    // What a voice's values make of the filter section and the EQ.
    struct Settings
    {
        QString filterType;
        double cutoff = highestHz;
        int resonance = 0;
        int distance = 64;
        double gain = 0;
        double highPass = lowestHz;
        QString eqType;
        double f1 = 100, g1 = 0, f2 = 5000, g2 = 0, q = 0.7;
    };
    static double filterDb(const Settings &s, double f);
    static double eqDb(const Settings &s, double f);
    // The settings `s` reads, and their points.
    Settings settingsOf(const ShapeSource *s, QVector<ShapeHandle> *points) const;

    Settings m_settings;
    std::optional<Settings> m_second;
    QString m_typeShown;
};
