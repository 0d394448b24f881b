#include "voice.h"

#include <QCoreApplication>

QString voiceTypeName(VoiceType type)
{
    switch (type) {
    case VoiceType::Normal:
        return QCoreApplication::translate("VoiceType", "Normal");
    case VoiceType::Plugin:
        return QCoreApplication::translate("VoiceType", "Plug-in");
    case VoiceType::Drum:
        return QCoreApplication::translate("VoiceType", "Drum");
    case VoiceType::Board:
        return QCoreApplication::translate("VoiceType", "Board");
    }
    return QString();
}

const QStringList &Voice::categories()
{
    static const QStringList list{
        QStringLiteral("Piano"),
        QStringLiteral("Keyboard"),
        QStringLiteral("Organ"),
        QStringLiteral("Guitar"),
        QStringLiteral("Bass"),
        QStringLiteral("Strings"),
        QStringLiteral("Brass"),
        QStringLiteral("Reed/Pipe"),
        QStringLiteral("Synth Lead"),
        QStringLiteral("Synth Pad"),
        QStringLiteral("Synth Comp"),
        QStringLiteral("Chromatic Percussion"),
        QStringLiteral("Drum/Percussion"),
        QStringLiteral("Sound Effects"),
        QStringLiteral("Musical Effects"),
        QStringLiteral("Combination"),
        QStringLiteral("No Assignment"),
    };
    return list;
}

QString Voice::noCategory()
{
    return categories().constLast();
}

QString Voice::fittedName(const QString &name)
{
    return name.simplified().left(nameLength).trimmed();
}

bool Voice::holds(const ParameterRef &ref) const
{
    return ref.high < values.size() && ref.part >= 0
        && std::size_t(ref.part) < values[ref.high].size()
        && ref.low < values[ref.high][std::size_t(ref.part)].size();
}

int Voice::value(const ParameterRef &ref) const
{
    return holds(ref) ? values[ref.high][std::size_t(ref.part)][ref.low] : 0;
}

std::vector<ParameterRef> differences(const Values &a, const Values &b)
{
    std::vector<ParameterRef> found;
    const std::size_t blocks = std::max(a.size(), b.size());
    static const std::vector<std::vector<int>> noParts;
    static const std::vector<int> noValues;
    for (std::size_t h = 0; h < blocks; ++h) {
        const auto &pa = h < a.size() ? a[h] : noParts;
        const auto &pb = h < b.size() ? b[h] : noParts;
        for (std::size_t pt = 0; pt < std::max(pa.size(), pb.size()); ++pt) {
            const auto &va = pt < pa.size() ? pa[pt] : noValues;
            const auto &vb = pt < pb.size() ? pb[pt] : noValues;
            for (std::size_t p = 0; p < std::max(va.size(), vb.size()); ++p) {
                if (p >= va.size() || p >= vb.size() || va[p] != vb[p])
                    found.push_back({ quint16(h), quint16(p), int(pt) });
            }
        }
    }
    return found;
}
