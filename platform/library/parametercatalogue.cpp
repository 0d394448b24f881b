#include "parametercatalogue.h"

#include <QHash>
#include <QRegularExpression>

#include <cmath>
#include <map>
#include <optional>

namespace {

// A text's number in base units (Hz, seconds) with its kind of unit, or
// nothing for a text that is no number ("Hall 1", "C3", "L63").
struct Reading
{
    double number = 0;
    QString unit; // "hz", "s", or the text's own unit in lower case
};

std::optional<Reading> readingOf(const QString &text)
{
    static const QRegularExpression number(
        QStringLiteral("^\\s*([-+]?\\d+(?:\\.\\d+)?)\\s*([a-zA-Z%]*)\\s*$"));
    const QRegularExpressionMatch m = number.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    Reading r;
    r.number = m.captured(1).toDouble();
    r.unit = m.captured(2).toLower();
    if (r.unit == QLatin1String("khz")) {
        r.number *= 1000;
        r.unit = QStringLiteral("hz");
    } else if (r.unit == QLatin1String("ms")) {
        r.number /= 1000;
        r.unit = QStringLiteral("s");
    }
    return r;
}

bool holds(ParameterCatalogue::Compare compare, double a, double b)
{
    using C = ParameterCatalogue::Compare;
    const bool equal = std::abs(a - b) <= 1e-9 * std::max(1.0, std::abs(b));
    switch (compare) {
    case C::Equal:
        return equal;
    case C::NotEqual:
        return !equal;
    case C::Less:
        return a < b && !equal;
    case C::LessOrEqual:
        return a < b || equal;
    case C::Greater:
        return a > b && !equal;
    case C::GreaterOrEqual:
        return a > b || equal;
    }
    return false;
}

} // namespace

ParameterCatalogue::ParameterCatalogue(std::shared_ptr<const ParameterSchema::Schema> schema)
{
    const ParameterSchema::Schema &s = *schema;
    for (std::size_t h = 0; h < s.blocks.size(); ++h) {
        const ParameterSchema::Block &block = s.blocks[h];
        if (block.voiceType < 1 || block.voiceType > 4)
            continue;
        std::vector<int> part;
        for (const ParameterSchema::Parameter &p : block.parameters)
            part.push_back(p.defaultValue);
        // The type parameter governing each parameter, if any.
        std::vector<int> governedBy(block.parameters.size(), -1);
        for (const ParameterSchema::TypeRule &rule : block.typeRules) {
            for (const auto &[typeValue, overrides] : rule.variants) {
                for (const auto &[low, o] : overrides) {
                    if (low >= 0 && std::size_t(low) < governedBy.size() && governedBy[low] < 0)
                        governedBy[std::size_t(low)] = rule.typeParameter;
                }
            }
        }
        for (std::size_t low = 0; low < block.parameters.size(); ++low) {
            Entry entry;
            entry.high = quint16(h);
            entry.low = quint16(low);
            entry.type = voiceOfBlocks(VoiceType(block.voiceType));
            entry.parts = block.parts;
            const int typeLow = governedBy[low];
            if (typeLow < 0) {
                entry.parameter = s.effective(int(h), int(low), part, 0);
                m_entries.push_back(entry);
                continue;
            }
            // One entry per shape the type values give.
            entry.typeLow = typeLow;
            const ParameterSchema::Parameter type = s.effective(int(h), typeLow, part, 0);
            std::map<QString, Entry> shapes;
            std::vector<int> values = part;
            for (int t = type.minimum; t <= type.maximum; ++t) {
                values[std::size_t(typeLow)] = t;
                const ParameterSchema::Parameter e = s.effective(int(h), int(low), values, 0);
                if (!e.inUse)
                    continue;
                const QString shape = QStringLiteral("%1|%2|%3|%4|%5")
                                          .arg(e.name)
                                          .arg(e.minimum)
                                          .arg(e.maximum)
                                          .arg(e.format.text(e.minimum, e.minimum),
                                               e.format.text(e.maximum, e.minimum));
                auto it = shapes.find(shape);
                if (it == shapes.end()) {
                    it = shapes.emplace(shape, entry).first;
                    it->second.parameter = e;
                }
                it->second.typeValues.push_back(t);
            }
            for (auto &[key, shaped] : shapes)
                m_entries.push_back(std::move(shaped));
        }
    }
}

std::vector<const ParameterCatalogue::Entry *>
ParameterCatalogue::named(const QString &needle) const
{
    std::vector<const Entry *> found;
    const QString n = needle.simplified();
    if (n.isEmpty())
        return found;
    // A parameter's own name, where every voice of its type has it, means
    // that parameter: "cutoff" is the filter's, not also the high-pass
    // filter's or a controller's.
    bool exact = false;
    for (const Entry &e : m_entries)
        exact = exact || (e.typeLow < 0 && e.parameter.name.compare(n, Qt::CaseInsensitive) == 0);
    for (const Entry &e : m_entries) {
        if (exact ? e.parameter.name.compare(n, Qt::CaseInsensitive) == 0
                  : e.parameter.name.contains(n, Qt::CaseInsensitive)
                    || e.parameter.fullName.contains(n, Qt::CaseInsensitive))
            found.push_back(&e);
    }
    return found;
}

bool ParameterCatalogue::values(const Entry &entry, Compare compare, const QString &text,
                                std::vector<int> *values)
{
    const ParameterSchema::Parameter &p = entry.parameter;
    const QString wanted = text.simplified();
    values->clear();
    // A value text, or failing that the start of one ("BPF12" for "BPF12 Digital").
    std::vector<int> named;
    for (int v = p.minimum; v <= p.maximum; ++v) {
        if (p.format.text(v, p.minimum).compare(wanted, Qt::CaseInsensitive) == 0)
            named.push_back(v);
    }
    if (named.empty()) {
        for (int v = p.minimum; v <= p.maximum; ++v) {
            if (p.format.text(v, p.minimum).startsWith(wanted, Qt::CaseInsensitive))
                named.push_back(v);
        }
    }
    const std::optional<Reading> reading = readingOf(wanted);
    if (!named.empty() && (compare == Compare::Equal || compare == Compare::NotEqual || !reading)) {
        for (int v = p.minimum; v <= p.maximum; ++v) {
            const bool isNamed = std::find(named.begin(), named.end(), v) != named.end();
            bool in = false;
            switch (compare) {
            case Compare::Equal:
                in = isNamed;
                break;
            case Compare::NotEqual:
                in = !isNamed;
                break;
            case Compare::Less:
                in = v < named.front();
                break;
            case Compare::LessOrEqual:
                in = v <= named.back();
                break;
            case Compare::Greater:
                in = v > named.back();
                break;
            case Compare::GreaterOrEqual:
                in = v >= named.front();
                break;
            }
            if (in)
                values->push_back(v);
        }
        return true;
    }
    if (!reading)
        return false;
    bool comparable = false;
    for (int v = p.minimum; v <= p.maximum; ++v) {
        const std::optional<Reading> r = readingOf(p.format.text(v, p.minimum));
        if (!r || (!reading->unit.isEmpty() && r->unit != reading->unit))
            continue;
        comparable = true;
        if (holds(compare, r->number, reading->number))
            values->push_back(v);
    }
    return comparable;
}
