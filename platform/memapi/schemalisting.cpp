#include "schemalisting.h"

#include <set>

namespace SchemaListing {

namespace {

QString line(const QStringList &fields)
{
    return fields.join(QLatin1Char('\t'));
}

// Name, range and the texts of both ends and of the default.
QStringList described(const ParameterSchema::Parameter &e)
{
    return { e.name,
             QString::number(e.minimum),
             QString::number(e.maximum),
             e.format.text(e.minimum, e.minimum),
             e.format.text(e.maximum, e.minimum),
             e.format.text(e.defaultValue, e.minimum) };
}

} // namespace

QStringList parameters(const ParameterSchema::Schema &schema)
{
    const Values initial = schema.initialValues();
    QStringList lines;
    for (std::size_t b = 0; b < schema.blocks.size(); ++b) {
        for (std::size_t p = 0; p < schema.blocks[b].parameters.size(); ++p) {
            const ParameterSchema::Parameter e = schema.effective(int(b), int(p), initial[b][0], 0);
            lines << line(QStringList{ schema.path(int(b), int(p)) } + described(e));
        }
    }
    return lines;
}

QStringList types(const ParameterSchema::Schema &schema)
{
    const Values initial = schema.initialValues();
    QStringList lines;
    for (std::size_t b = 0; b < schema.blocks.size(); ++b) {
        for (const ParameterSchema::TypeRule &rule : schema.blocks[b].typeRules) {
            // The parameters the type governs: those any of its values changes.
            std::set<int> governed;
            for (const auto &variant : rule.variants)
                for (const auto &o : variant.second)
                    governed.insert(o.first);
            const ParameterSchema::Parameter type =
                schema.effective(int(b), rule.typeParameter, initial[b][0], 0);
            for (int t = type.minimum; t <= type.maximum; ++t) {
                std::vector<int> values = initial[b][0];
                values[std::size_t(rule.typeParameter)] = t;
                for (int p : governed) {
                    const ParameterSchema::Parameter e = schema.effective(int(b), p, values, 0);
                    if (e.inUse)
                        lines << line(QStringList{ schema.path(int(b), rule.typeParameter),
                                                   QString::number(t),
                                                   type.format.text(t, type.minimum),
                                                   schema.path(int(b), p) }
                                      + described(e).mid(0, 1) + described(e).mid(3));
                }
            }
        }
    }
    return lines;
}

} // namespace SchemaListing
