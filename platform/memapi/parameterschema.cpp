#include "parameterschema.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace ParameterSchema {
namespace {

const char *const noteNames[] = { "C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B" };

const char *const waveCategories[] = { "Piano", "Keyboard", "Organ", "Guitar", "Bass", "Strings",
                                       "Brass", "Reed", "Pipe", "Synth Lead", "Synth Pad",
                                       "Chromatic Perc", "Drum", "Sound FX", "Ethnic", "Choir" };
const char *const arpeggioCategories[] = { "Piano", "Organ", "Guitar", "Bass", "Strings", "Brass",
                                           "Synth", "Pad", "Chord", "Drum", "Percussion", "Hybrid" };

QString signedText(int n)
{
    if (n > 0)
        return QLatin1Char('+') + QString::number(n);
    return QString::number(n);
}

// Bank texts of large numbered sets: presets named by category, 256 user
// entries from 8192 on.
QString bankText(int value, int presets, const char *const *categories, int categoryCount)
{
    if (value >= 0 && value < presets) {
        const int perCategory = (presets + categoryCount - 1) / categoryCount;
        return QStringLiteral("%1 %2").arg(QLatin1String(categories[value / perCategory]))
            .arg(value % perCategory + 1, 3, 10, QLatin1Char('0'));
    }
    if (value >= 8192 && value < 8192 + 256)
        return QStringLiteral("User %1").arg(value - 8192 + 1);
    return QStringLiteral("---");
}

ValueFormat parseFormat(const QJsonObject &o)
{
    static const QHash<QString, ValueFormat::Kind> kinds = {
        { QStringLiteral("number"), ValueFormat::Number }, { QStringLiteral("list"), ValueFormat::List },
        { QStringLiteral("note"), ValueFormat::Note }, { QStringLiteral("pan"), ValueFormat::Pan },
        { QStringLiteral("frequency"), ValueFormat::Frequency }, { QStringLiteral("time"), ValueFormat::Time },
        { QStringLiteral("wave"), ValueFormat::Wave }, { QStringLiteral("arpeggio"), ValueFormat::Arpeggio },
        { QStringLiteral("drywet"), ValueFormat::DryWet },
    };
    ValueFormat f;
    f.kind = kinds.value(o.value(QLatin1String("kind")).toString(), ValueFormat::Number);
    f.offset = o.value(QLatin1String("offset")).toInt();
    f.signedValue = o.value(QLatin1String("signed")).toBool();
    f.unit = o.value(QLatin1String("unit")).toString();
    f.scale = o.value(QLatin1String("scale")).toDouble(1.0);
    f.decimals = o.value(QLatin1String("decimals")).toInt();
    for (const QJsonValue &item : o.value(QLatin1String("items")).toArray())
        f.items << item.toString();
    return f;
}

bool parseParameter(const QJsonObject &o, Parameter *p, QString *error)
{
    p->word = o.value(QLatin1String("word")).toString();
    p->name = o.value(QLatin1String("name")).toString();
    p->minimum = o.value(QLatin1String("min")).toInt();
    p->maximum = o.value(QLatin1String("max")).toInt();
    p->defaultValue = o.value(QLatin1String("default")).toInt();
    p->format = parseFormat(o.value(QLatin1String("format")).toObject());
    if (p->word.isEmpty() || p->name.isEmpty() || p->minimum > p->maximum
        || p->defaultValue < p->minimum || p->defaultValue > p->maximum) {
        *error = QStringLiteral("parameter \"%1\" has no name or a bad range").arg(p->word);
        return false;
    }
    return true;
}

} // namespace

QString ValueFormat::text(int value, int minimum) const
{
    switch (kind) {
    case List: {
        const int i = value - minimum;
        return i >= 0 && i < items.size() ? items.at(i) : QString::number(value);
    }
    case Note:
        return QLatin1String(noteNames[((value % 12) + 12) % 12]) + QString::number(value / 12 - 2);
    case Pan:
        return value < 0 ? QStringLiteral("L%1").arg(-value)
                         : value > 0 ? QStringLiteral("R%1").arg(value) : QStringLiteral("C");
    case Frequency: {
        const double hz = 32.0 * std::pow(2.0, value / 6.0);
        return hz >= 1000 ? QStringLiteral("%1kHz").arg(hz / 1000, 0, 'f', 1)
                          : QStringLiteral("%1Hz").arg(std::lround(hz));
    }
    case Time: {
        const double ms = value == 0 ? 0.0 : 0.5 * std::pow(1.08, value);
        return ms >= 1000 ? QStringLiteral("%1s").arg(ms / 1000, 0, 'f', 2)
                          : QStringLiteral("%1ms").arg(ms, 0, 'f', 1);
    }
    case Wave:
        return bankText(value, 1860, waveCategories, int(std::size(waveCategories)));
    case Arpeggio:
        return bankText(value, 1787, arpeggioCategories, int(std::size(arpeggioCategories)));
    case DryWet:
        return value < 64 ? QStringLiteral("D%1>W").arg(64 - value)
                          : value == 64 ? QStringLiteral("D=W") : QStringLiteral("D<W%1").arg(value - 64);
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

bool Schema::parse(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull()) {
        *error = parseError.errorString();
        return false;
    }
    const QJsonArray blockArray = document.object().value(QLatin1String("blocks")).toArray();
    if (blockArray.isEmpty()) {
        *error = QStringLiteral("no blocks");
        return false;
    }
    Schema schema;
    for (const QJsonValue &bv : blockArray) {
        const QJsonObject bo = bv.toObject();
        Block block;
        block.word = bo.value(QLatin1String("word")).toString();
        block.voiceType = bo.value(QLatin1String("voiceType")).toInt();
        block.parts = bo.value(QLatin1String("parts")).toInt(1);
        if (block.word.isEmpty() || block.parts < 1 || schema.index.contains(block.word)) {
            *error = QStringLiteral("block \"%1\" is unnamed, repeated or has no parts").arg(block.word);
            return false;
        }
        for (const QJsonValue &pv : bo.value(QLatin1String("params")).toArray()) {
            Parameter p;
            if (!parseParameter(pv.toObject(), &p, error))
                return false;
            block.index.insert(p.word, int(block.parameters.size()));
            block.parameters.push_back(p);
        }
        for (const QJsonValue &rv : bo.value(QLatin1String("typeRules")).toArray()) {
            const QJsonObject ro = rv.toObject();
            TypeRule rule;
            rule.typeParameter = block.index.value(ro.value(QLatin1String("type")).toString(), -1);
            if (rule.typeParameter < 0) {
                *error = QStringLiteral("block \"%1\": unknown type parameter").arg(block.word);
                return false;
            }
            const QJsonObject variants = ro.value(QLatin1String("variants")).toObject();
            for (auto it = variants.begin(); it != variants.end(); ++it) {
                std::map<int, Override> &overrides = rule.variants[it.key().toInt()];
                const QJsonObject po = it.value().toObject();
                for (auto p = po.begin(); p != po.end(); ++p) {
                    const int low = block.index.value(p.key(), -1);
                    if (low < 0)
                        continue;
                    const QJsonObject oo = p.value().toObject();
                    Override o;
                    if (oo.contains(QLatin1String("name")))
                        o.name = oo.value(QLatin1String("name")).toString();
                    if (oo.contains(QLatin1String("min")))
                        o.minimum = oo.value(QLatin1String("min")).toInt();
                    if (oo.contains(QLatin1String("max")))
                        o.maximum = oo.value(QLatin1String("max")).toInt();
                    if (oo.contains(QLatin1String("format")))
                        o.format = parseFormat(oo.value(QLatin1String("format")).toObject());
                    if (oo.contains(QLatin1String("inUse")))
                        o.inUse = oo.value(QLatin1String("inUse")).toBool();
                    overrides[low] = o;
                }
            }
            block.typeRules.push_back(std::move(rule));
        }
        schema.index.insert(block.word, int(schema.blocks.size()));
        schema.blocks.push_back(std::move(block));
    }
    *this = std::move(schema);
    return true;
}

Parameter Schema::effective(int high, int low, const std::vector<int> &partValues) const
{
    const Block &block = blocks.at(std::size_t(high));
    Parameter p = block.parameters.at(std::size_t(low));
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
        if (o->second.minimum)
            p.minimum = *o->second.minimum;
        if (o->second.maximum)
            p.maximum = *o->second.maximum;
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

} // namespace ParameterSchema
