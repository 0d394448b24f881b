#include "libraryquery.h"

#include "parametercatalogue.h"
#include "voicecodec.h"

#include <QCoreApplication>
#include <QHash>

#include <algorithm>

namespace {

using Compare = ParameterCatalogue::Compare;

struct Term
{
    QString name;
    QString op;
    QString value;
    bool condition = false;
};

bool isOperatorChar(QChar c)
{
    return c == QLatin1Char('<') || c == QLatin1Char('>') || c == QLatin1Char('=')
        || c == QLatin1Char('!') || c == QLatin1Char(':');
}

// Splits a query into words and conditions; false with *error for an
// unclosed quote or an operator without its two sides.
bool split(const QString &text, std::vector<Term> *terms, QString *error)
{
    int i = 0;
    const int n = int(text.size());
    auto skipSpace = [&] {
        while (i < n && text.at(i).isSpace())
            ++i;
    };
    auto atom = [&](QString *out) {
        out->clear();
        if (i < n && text.at(i) == QLatin1Char('"')) {
            const int close = int(text.indexOf(QLatin1Char('"'), i + 1));
            if (close < 0) {
                *error = LibraryQuery::tr("A quote is not closed.");
                return false;
            }
            *out = text.mid(i + 1, close - i - 1);
            i = close + 1;
            return true;
        }
        while (i < n && !text.at(i).isSpace() && !isOperatorChar(text.at(i))
               && text.at(i) != QLatin1Char('"'))
            out->append(text.at(i++));
        return true;
    };
    for (skipSpace(); i < n; skipSpace()) {
        Term term;
        if (!atom(&term.name))
            return false;
        skipSpace();
        if (i < n && isOperatorChar(text.at(i))) {
            while (i < n && isOperatorChar(text.at(i)))
                term.op.append(text.at(i++));
            skipSpace();
            if (!atom(&term.value))
                return false;
            if (term.name.trimmed().isEmpty() || term.value.trimmed().isEmpty()) {
                *error =
                    LibraryQuery::tr("\"%1\" needs a parameter before it and a value after it.")
                        .arg(term.op);
                return false;
            }
            term.condition = true;
        }
        if (!term.name.isEmpty() || term.condition)
            terms->push_back(term);
        else
            ++i; // a stray quote or character that makes no term
    }
    return true;
}

bool compareOf(const QString &op, Compare *compare)
{
    static const QHash<QString, Compare> ops = {
        { QStringLiteral("="), Compare::Equal },
        { QStringLiteral(":"), Compare::Equal },
        { QStringLiteral("=="), Compare::Equal },
        { QStringLiteral("!="), Compare::NotEqual },
        { QStringLiteral("<"), Compare::Less },
        { QStringLiteral("<="), Compare::LessOrEqual },
        { QStringLiteral(">"), Compare::Greater },
        { QStringLiteral(">="), Compare::GreaterOrEqual },
    };
    const auto it = ops.constFind(op);
    if (it == ops.constEnd())
        return false;
    *compare = *it;
    return true;
}

// "(value BETWEEN 3 AND 9 OR value = 12)" for the sorted values.
QString valueTest(const std::vector<int> &values)
{
    if (values.empty())
        return QStringLiteral("0");
    QStringList ranges;
    for (std::size_t i = 0; i < values.size();) {
        std::size_t j = i;
        while (j + 1 < values.size() && values[j + 1] == values[j] + 1)
            ++j;
        ranges << (i == j
                       ? QStringLiteral("value = %1").arg(values[i])
                       : QStringLiteral("value BETWEEN %1 AND %2").arg(values[i]).arg(values[j]));
        i = j + 1;
    }
    return QLatin1Char('(') + ranges.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

// The value rows of the parts of parameter (high, low). The library keeps
// only values that differ from the defaults: a part without a row holds its
// default. So a part whose default is not among the values holds them when
// it has a row that does ("match"); one whose default is, unless it has a
// row that does not ("refuse").
struct Parts
{
    QStringList match;
    QStringList refuse;
    QString test;
};

Parts partsOf(const VoiceCodec &codec, int high, int low, int parts, const std::vector<int> &values)
{
    Parts p;
    for (int part = 0; part < parts; ++part) {
        const qint64 key = VoiceCodec::key({ quint16(high), quint16(low), part });
        const int def = codec.defaults()[std::size_t(high)][std::size_t(part)][std::size_t(low)];
        (std::binary_search(values.begin(), values.end(), def) ? p.refuse : p.match)
            << QString::number(key);
    }
    p.test = valueTest(values);
    return p;
}

// Whether some part holds one of its values, for the voice whose id is `id`.
QString anyPartHolds(const Parts &p, const QString &id)
{
    QStringList any;
    if (!p.match.isEmpty())
        any << QStringLiteral("%1 IN (SELECT voice FROM voice_values WHERE key IN (%2) AND %3)")
                   .arg(id, p.match.join(QLatin1Char(',')), p.test);
    if (!p.refuse.isEmpty()) {
        QStringList each;
        for (const QString &key : p.refuse)
            each << QStringLiteral("SELECT voice FROM voice_values WHERE key = %1 AND NOT %2")
                        .arg(key, p.test);
        any << QStringLiteral("%1 NOT IN (%2)").arg(id, each.join(QLatin1String(" INTERSECT ")));
    }
    return QLatin1Char('(') + any.join(QLatin1String(" OR ")) + QLatin1Char(')');
}

// The voices of the entry's type in which some part holds one of `values`
// (and, for a parameter of one shape of its block, whose type gives that
// shape), as a SELECT of their ids. Where no default holds the values, the
// search starts from the value rows that do, through the index of values;
// where a default does, from the voices of the type, through the index of
// types. Either way the type of a voice is read from that index.
QString voicesHolding(const VoiceCodec &codec, const ParameterCatalogue::Entry &entry,
                      const std::vector<int> &values)
{
    const Parts p = partsOf(codec, entry.high, entry.low, entry.parts, values);
    QString select;
    QString id;
    if (p.refuse.isEmpty()) {
        id = QStringLiteral("m.voice");
        select = QStringLiteral("SELECT m.voice FROM voice_values m JOIN voices t ON t.id = m.voice"
                                " WHERE m.key IN (%1) AND %2 AND t.type = %3")
                     .arg(p.match.join(QLatin1Char(',')), p.test)
                     .arg(int(entry.type));
    } else {
        id = QStringLiteral("t.id");
        select = QStringLiteral("SELECT t.id FROM voices t WHERE t.type = %1 AND %2")
                     .arg(int(entry.type))
                     .arg(anyPartHolds(p, id));
    }
    if (entry.typeLow >= 0)
        select += QStringLiteral(" AND ")
            + anyPartHolds(partsOf(codec, entry.high, entry.typeLow, entry.parts, entry.typeValues),
                           id);
    return select;
}

} // namespace

QString LibraryQuery::tr(const char *text)
{
    return QCoreApplication::translate("LibraryQuery", text);
}

LibraryQuery::LibraryQuery(const QString &text, const ParameterCatalogue &catalogue,
                           const VoiceCodec &codec)
{
    std::vector<Term> terms;
    QString error;
    if (!split(text, &terms, &error)) {
        m_errors << error;
        return;
    }
    QStringList words;
    for (const Term &term : terms) {
        if (!term.condition) {
            // A prefix search for each word, in the full-text index.
            QString word = term.name;
            words << QLatin1Char('"') + word.replace(QLatin1Char('"'), QLatin1String("\"\""))
                    + QLatin1String("\"*");
            continue;
        }
        Compare compare;
        if (!compareOf(term.op, &compare)) {
            m_errors << tr("\"%1\" is no comparison; use = != < <= > >=.").arg(term.op);
            continue;
        }
        const std::vector<const ParameterCatalogue::Entry *> entries = catalogue.named(term.name);
        if (entries.empty()) {
            m_errors << tr("No parameter is called \"%1\".").arg(term.name);
            continue;
        }
        // One set of voices for the whole condition.
        QStringList any;
        for (const ParameterCatalogue::Entry *entry : entries) {
            std::vector<int> values;
            if (ParameterCatalogue::values(*entry, compare, term.value, &values))
                any << voicesHolding(codec, *entry, values);
        }
        if (any.isEmpty()) {
            m_errors
                << tr("\"%1\" is no value of %2.").arg(term.value, entries.front()->parameter.name);
            continue;
        }
        m_selects.push_back({ any.join(QLatin1String(" UNION ALL ")), QVariant() });
    }
    if (!words.isEmpty())
        m_selects.insert(m_selects.begin(),
                         { QStringLiteral("SELECT rowid FROM voice_text WHERE voice_text MATCH ?"),
                           words.join(QLatin1Char(' ')) });
    if (!m_errors.isEmpty())
        m_selects.clear();
}
