#include "parameterschema.h"

#include <QRegularExpression>

#include <cmath>

namespace ParameterSchema {
namespace {

const char *const noteNames[] = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };

QString signedText(int n)
{
    if (n > 0)
        return QLatin1Char('+') + QString::number(n);
    return QString::number(n);
}

} // namespace

QString ValueFormat::text(int value, int minimum) const
{
    const auto special_ = special.find(value);
    if (special_ != special.end())
        return special_->second;
    switch (kind) {
    case List: {
        const int i = value - minimum;
        return i >= 0 && i < items.size() ? items.at(i) : QString::number(value);
    }
    case Names:
        if (value >= 0 && value < items.size())
            return items.at(value);
        if (userBase >= 0 && value >= userBase && value < userBase + userCount)
            return QStringLiteral("User %1").arg(value - userBase + 1);
        return QStringLiteral("---");
    case Note:
        return QLatin1String(noteNames[((value % 12) + 12) % 12])
            + QString::number(int(std::floor(value / 12.0)) - 2);
    case Pan:
        return value < 0 ? QStringLiteral("L%1").arg(-value)
            : value > 0  ? QStringLiteral("R%1").arg(value)
                         : QStringLiteral("C");
    case Frequency: {
        // Twenty steps to the decade from 20 Hz.
        const double hz = 20.0 * std::pow(10.0, (value - offset) / 20.0);
        // A unit of kHz reads every step in kHz, for controls captioned in kHz.
        if (unit == QLatin1String("kHz")) {
            const double khz = hz / 1000;
            return QStringLiteral("%1kHz").arg(khz, 0, 'f', khz < 0.1 ? 3 : khz < 10 ? 2 : 1);
        }
        return hz >= 1000 ? QStringLiteral("%1kHz").arg(hz / 1000, 0, 'f', hz >= 10000 ? 1 : 2)
                          : QStringLiteral("%1Hz").arg(std::lround(hz));
    }
    case Time: {
        const double ms = value == 0 ? 0.0 : 0.5 * std::pow(1.08, value);
        return ms >= 1000 ? QStringLiteral("%1s").arg(ms / 1000, 0, 'f', 2)
                          : QStringLiteral("%1ms").arg(ms, 0, 'f', ms >= 100 ? 0 : 1);
    }
    case DryWet:
        return value < 64 ? QStringLiteral("D%1>W").arg(64 - value)
            : value == 64 ? QStringLiteral("D=W")
                          : QStringLiteral("D<W%1").arg(value - 64);
    case Number:
        break;
    }
    const int n = value - offset;
    QString number = scale != 1.0 ? QString::number(n * scale, 'f', decimals)
                                  : (signedValue ? signedText(n) : QString::number(n));
    if (signedValue && scale != 1.0 && n > 0)
        number.prepend(QLatin1Char('+'));
    return number + unit;
}

Parameter Schema::effective(int high, int low, const std::vector<int> &partValues, int part) const
{
    const Block &block = blocks.at(std::size_t(high));
    Parameter p = block.parameters.at(std::size_t(low));
    p.defaultValue = p.defaultFor(part);
    p.partDefaults.clear();
    for (const TypeRule &rule : block.typeRules) {
        const int type = partValues.at(std::size_t(rule.typeParameter));
        const auto variant = rule.variants.find(type);
        if (variant == rule.variants.end())
            continue;
        const auto o = variant->second.find(low);
        if (o == variant->second.end())
            continue;
        if (o->second.name)
            p.name = *o->second.name;
        if (o->second.fullName)
            p.fullName = *o->second.fullName;
        if (o->second.minimum)
            p.minimum = *o->second.minimum;
        if (o->second.maximum)
            p.maximum = *o->second.maximum;
        if (o->second.defaultValue)
            p.defaultValue = *o->second.defaultValue;
        if (o->second.format)
            p.format = *o->second.format;
        if (o->second.inUse)
            p.inUse = *o->second.inUse;
    }
    p.defaultValue = qBound(p.minimum, p.defaultValue, p.maximum);
    return p;
}

bool Schema::isTypeParameter(int high, int low) const
{
    for (const TypeRule &rule : blocks.at(std::size_t(high)).typeRules) {
        if (rule.typeParameter == low)
            return true;
    }
    return false;
}

Values Schema::computeInitialValues() const
{
    Values values(blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block &block = blocks[b];
        values[b].resize(std::size_t(block.parts));
        for (int pt = 0; pt < block.parts; ++pt) {
            std::vector<int> &part = values[b][std::size_t(pt)];
            for (const Parameter &p : block.parameters)
                part.push_back(p.defaultFor(pt));
            applyTypeDefaults(int(b), pt, &part);
        }
    }
    return values;
}

void Schema::applyTypeDefaults(int high, int part, std::vector<int> *partValues) const
{
    if (blocks.at(std::size_t(high)).typeRules.empty())
        return;
    const std::vector<int> types = *partValues;
    for (std::size_t p = 0; p < partValues->size(); ++p) {
        if (!isTypeParameter(high, int(p)))
            (*partValues)[p] = effective(high, int(p), types, part).defaultValue;
    }
}

bool Schema::find(const QString &address, quint16 *high, quint16 *low, int *fixedPart) const
{
    static const QRegularExpression pattern(
        QStringLiteral("^(?:([0-9a-fA-F]{2}))?k([A-Za-z0-9]+)/k([A-Za-z0-9]+)$"));
    const QRegularExpressionMatch match = pattern.match(address);
    if (!match.hasMatch())
        return false;
    const int b = index.value(match.captured(2), -1);
    if (b < 0)
        return false;
    const int p = blocks[std::size_t(b)].index.value(match.captured(3), -1);
    if (p < 0)
        return false;
    if (high)
        *high = quint16(b);
    if (low)
        *low = quint16(p);
    if (fixedPart) {
        *fixedPart = -1;
        if (match.hasCaptured(1) && !match.captured(1).isEmpty()) {
            const int digits = match.captured(1).toInt(nullptr, 16);
            if (digits < 0x80)
                *fixedPart = digits / 16;
        }
    }
    return true;
}

QString Schema::path(int high, int low) const
{
    if (!holds(high, low, 0))
        return QString();
    const Block &block = blocks[std::size_t(high)];
    return QStringLiteral("k%1/k%2").arg(block.word, block.parameters[std::size_t(low)].word);
}

const char embeddedPath[] = ":/vestra/memapi/content";

std::shared_ptr<const Schema> embedded()
{
    static const std::shared_ptr<const Schema> schema = [] {
        auto parsed = std::make_shared<Schema>();
        QString error;
        if (!parsed->load(QString::fromLatin1(embeddedPath), &error))
            qWarning("%s", qPrintable(error));
        return std::shared_ptr<const Schema>(std::move(parsed));
    }();
    return schema;
}

} // namespace ParameterSchema
