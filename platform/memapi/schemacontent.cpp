#include "parameterschema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// Reading the content files into a schema: the blocks as a sound designer
// wrote them, and the rules that expand them (plug-in and drum forms, effect
// types, the drum kit's per-key defaults).
namespace ParameterSchema {
namespace {

QString str(const char *key)
{
    return QString::fromLatin1(key);
}

// The content files, gathered before any block is built: named value
// formats, effect families and sets, the drum kit, and the blocks (one
// block may be written across several files).
struct Content
{
    QHash<QString, ValueFormat> formats;
    QHash<QString, QJsonArray> families;
    QHash<QString, QJsonArray> effectSets;
    QJsonObject kit;
    QStringList blockOrder;
    QHash<QString, QJsonObject> blockHeads;
    QHash<QString, QJsonArray> blockParams;
    QHash<QString, QJsonArray> blockTypes;
    QString error;

    bool fail(const QString &why)
    {
        if (error.isEmpty())
            error = why;
        return false;
    }
};

bool parseFormat(const QJsonValue &value, const Content &content, ValueFormat *f, QString *error)
{
    if (value.isString()) {
        const auto it = content.formats.constFind(value.toString());
        if (it == content.formats.constEnd()) {
            *error = QStringLiteral("unknown value format \"%1\"").arg(value.toString());
            return false;
        }
        *f = *it;
        return true;
    }
    const QJsonObject o = value.toObject();
    if (o.contains(str("like")) && !parseFormat(o.value(str("like")), content, f, error))
        return false;
    static const QHash<QString, ValueFormat::Kind> kinds = {
        { str("number"), ValueFormat::Number },       { str("list"), ValueFormat::List },
        { str("note"), ValueFormat::Note },           { str("pan"), ValueFormat::Pan },
        { str("frequency"), ValueFormat::Frequency }, { str("time"), ValueFormat::Time },
        { str("drywet"), ValueFormat::DryWet },       { str("names"), ValueFormat::Names },
    };
    if (o.contains(str("kind"))) {
        const QString kind = o.value(str("kind")).toString();
        if (!kinds.contains(kind)) {
            *error = QStringLiteral("unknown kind of value format \"%1\"").arg(kind);
            return false;
        }
        f->kind = kinds.value(kind);
    }
    if (o.contains(str("offset")))
        f->offset = o.value(str("offset")).toInt();
    if (o.contains(str("signed")))
        f->signedValue = o.value(str("signed")).toBool();
    if (o.contains(str("unit")))
        f->unit = o.value(str("unit")).toString();
    if (o.contains(str("scale"))) {
        f->scale = o.value(str("scale")).toDouble(1.0);
        f->decimals = o.value(str("decimals")).toInt();
    }
    if (o.contains(str("items"))) {
        f->items.clear();
        for (const QJsonValue &item : o.value(str("items")).toArray())
            f->items << item.toString();
    }
    const QJsonObject special = o.value(str("special")).toObject();
    for (auto it = special.begin(); it != special.end(); ++it)
        f->special[it.key().toInt()] = it.value().toString();
    // Numbered sets named by category: "Synth Lead 003".
    const QJsonArray categories = o.value(str("categories")).toArray();
    if (!categories.isEmpty()) {
        f->items.clear();
        for (const QJsonValue &cv : categories) {
            const QJsonArray c = cv.toArray();
            const QString name = c.at(0).toString();
            const int count = c.at(1).toInt();
            for (int i = 1; i <= count; ++i)
                f->items << QStringLiteral("%1 %2").arg(name).arg(i, 3, 10, QLatin1Char('0'));
        }
        auto index = std::make_shared<QHash<QString, int>>();
        for (int i = 0; i < f->items.size(); ++i)
            index->insert(f->items.at(i), i);
        f->itemIndex = std::move(index);
    }
    if (o.contains(str("user"))) {
        const QJsonArray user = o.value(str("user")).toArray();
        f->userBase = user.at(0).toInt();
        f->userCount = user.at(1).toInt();
    }
    return true;
}

// A value written as a number or as the text it shows ("C-2", "On", "Kick 002").
bool resolveValue(const QJsonValue &value, const ValueFormat &format, int minimum, int maximum,
                  int *result, QString *error)
{
    if (value.isDouble()) {
        *result = value.toInt();
        return true;
    }
    const QString text = value.toString();
    if (format.kind == ValueFormat::Names || format.kind == ValueFormat::List) {
        const int i =
            format.itemIndex ? format.itemIndex->value(text, -1) : int(format.items.indexOf(text));
        const int v = format.kind == ValueFormat::List && i >= 0 ? i + minimum : i;
        if (i >= 0 && v >= minimum && v <= maximum) {
            *result = v;
            return true;
        }
    } else {
        for (int v = minimum; v <= maximum; ++v) {
            if (format.text(v, minimum) == text) {
                *result = v;
                return true;
            }
        }
    }
    *error = QStringLiteral("no value reads \"%1\"").arg(text);
    return false;
}

bool parseParameter(const QJsonObject &o, const Content &content, Parameter *p, QString *error)
{
    if (o.contains(str("word")))
        p->word = o.value(str("word")).toString();
    if (o.contains(str("name")))
        p->name = o.value(str("name")).toString();
    if (o.contains(str("full")))
        p->fullName = o.value(str("full")).toString();
    if (o.contains(str("format"))
        && !parseFormat(o.value(str("format")), content, &p->format, error))
        return false;
    if (p->format.kind == ValueFormat::List && !o.contains(str("max"))) {
        p->minimum = 0;
        p->maximum = int(p->format.items.size()) - 1;
    }
    if (o.contains(str("min")))
        p->minimum = o.value(str("min")).toInt();
    if (o.contains(str("max")))
        p->maximum = o.value(str("max")).toInt();
    if (o.contains(str("default"))
        && !resolveValue(o.value(str("default")), p->format, p->minimum, p->maximum,
                         &p->defaultValue, error))
        return false;
    for (const QJsonValue &v : o.value(str("parts")).toArray()) {
        int value = 0;
        if (!resolveValue(v, p->format, p->minimum, p->maximum, &value, error))
            return false;
        p->partDefaults.push_back(value);
    }
    if (p->word.isEmpty() || p->name.isEmpty() || p->minimum > p->maximum
        || p->defaultValue < p->minimum || p->defaultValue > p->maximum) {
        *error =
            QStringLiteral("parameter \"%1\" has no name or a bad range or default").arg(p->word);
        return false;
    }
    for (int v : p->partDefaults) {
        if (v < p->minimum || v > p->maximum) {
            *error =
                QStringLiteral("parameter \"%1\": a part's default is out of range").arg(p->word);
            return false;
        }
    }
    return true;
}

// An override written as "off" or as the fields of a parameter that change.
bool parseOverride(const QJsonValue &value, const Parameter &base, const Content &content,
                   Override *o, QString *error)
{
    if (value.toString() == QLatin1String("off")) {
        o->inUse = false;
        return true;
    }
    const QJsonObject object = value.toObject();
    Parameter p = base;
    p.partDefaults.clear();
    if (!parseParameter(object, content, &p, error))
        return false;
    if (object.contains(str("name")))
        o->name = p.name;
    o->fullName = p.fullName;
    if (object.contains(str("format"))) {
        o->format = p.format;
        o->minimum = p.minimum;
        o->maximum = p.maximum;
    }
    if (object.contains(str("min")))
        o->minimum = p.minimum;
    if (object.contains(str("max")))
        o->maximum = p.maximum;
    if (object.contains(str("default")))
        o->defaultValue = p.defaultValue;
    o->inUse = true;
    return true;
}

// Type rules written by the values' texts: {"for": ["Thru"], "set": {word: "off"}}.
bool parseTypes(const QJsonArray &types, const Content &content, Block *block, QString *error)
{
    for (const QJsonValue &tv : types) {
        const QJsonObject to = tv.toObject();
        TypeRule rule;
        rule.typeParameter = block->index.value(to.value(str("type")).toString(), -1);
        if (rule.typeParameter < 0) {
            *error = QStringLiteral("unknown type parameter \"%1\"")
                         .arg(to.value(str("type")).toString());
            return false;
        }
        const Parameter &type = block->parameters[std::size_t(rule.typeParameter)];
        for (const QJsonValue &rv : to.value(str("rules")).toArray()) {
            const QJsonObject ro = rv.toObject();
            std::vector<int> values;
            for (const QJsonValue &fv : ro.value(str("for")).toArray()) {
                int v = 0;
                if (!resolveValue(fv, type.format, type.minimum, type.maximum, &v, error))
                    return false;
                values.push_back(v);
            }
            const QJsonObject set = ro.value(str("set")).toObject();
            for (auto it = set.begin(); it != set.end(); ++it) {
                const int low = block->index.value(it.key(), -1);
                if (low < 0) {
                    *error =
                        QStringLiteral("type rule names unknown parameter \"%1\"").arg(it.key());
                    return false;
                }
                Override o;
                if (!parseOverride(it.value(), block->parameters[std::size_t(low)], content, &o,
                                   error))
                    return false;
                for (int v : values)
                    rule.variants[v][low] = o;
            }
        }
        block->typeRules.push_back(std::move(rule));
    }
    return true;
}

// The effect rows of every type of a set: type n gives parameter `rowWord`1,
// 2 ... the rows of its family, with the type's own defaults; rows past the
// family are out of use.
bool expandEffect(const QJsonObject &effect, const Content &content, Block *block, QString *error)
{
    const QString setName = effect.value(str("set")).toString();
    const QString rowWord = effect.value(str("rows")).toString();
    const int typeIndex = block->index.value(effect.value(str("type")).toString(), -1);
    const auto set = content.effectSets.constFind(setName);
    if (typeIndex < 0 || set == content.effectSets.constEnd()) {
        *error =
            QStringLiteral("effect of block \"%1\" has no type parameter or set").arg(block->word);
        return false;
    }
    QStringList without;
    for (const QJsonValue &w : effect.value(str("without")).toArray())
        without << w.toString();
    std::vector<int> rows;
    for (int n = 1; block->index.contains(rowWord + QString::number(n)); ++n)
        rows.push_back(block->index.value(rowWord + QString::number(n)));
    TypeRule rule;
    rule.typeParameter = typeIndex;
    rule.resetsValues = true;
    int value = 0;
    for (const QJsonValue &tv : *set) {
        const QJsonObject type = tv.toObject();
        const QString familyName = type.value(str("family")).toString();
        const auto family = content.families.constFind(familyName);
        if (family == content.families.constEnd() && !familyName.isEmpty()) {
            *error = QStringLiteral("effect type \"%1\" has unknown family \"%2\"")
                         .arg(type.value(str("name")).toString(), familyName);
            return false;
        }
        // A send effect leaves out the rows it has no use for (its Dry/Wet),
        // and a type may leave out rows of its family.
        QStringList left = without;
        for (const QJsonValue &w : type.value(str("without")).toArray())
            left << w.toString();
        QJsonArray familyRows;
        if (family != content.families.constEnd()) {
            for (const QJsonValue &row : *family) {
                if (!left.contains(row.toObject().value(str("name")).toString()))
                    familyRows.append(row);
            }
        }
        if (std::size_t(familyRows.size()) > rows.size()) {
            *error = QStringLiteral("effect family \"%1\" has more rows than block \"%2\"")
                         .arg(familyName, block->word);
            return false;
        }
        const QJsonObject defaults = type.value(str("defaults")).toObject();
        std::map<int, Override> &variant = rule.variants[value++];
        QStringList names;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            Override o;
            if (r >= std::size_t(familyRows.size())) {
                o.inUse = false;
                variant[rows[r]] = o;
                continue;
            }
            QJsonObject row = familyRows.at(int(r)).toObject();
            const QString name = row.value(str("name")).toString();
            if (defaults.contains(name))
                row.insert(str("default"), defaults.value(name));
            Parameter p;
            p.word = block->parameters[std::size_t(rows[r])].word;
            if (!parseParameter(row, content, &p, error)) {
                error->prepend(type.value(str("name")).toString() + QStringLiteral(": "));
                return false;
            }
            names << name;
            o.name = p.name;
            o.fullName = p.fullName;
            o.minimum = p.minimum;
            o.maximum = p.maximum;
            o.defaultValue = p.defaultValue;
            o.format = p.format;
            o.inUse = true;
            variant[rows[r]] = o;
        }
        for (auto it = defaults.begin(); it != defaults.end(); ++it) {
            if (!names.contains(it.key()) && !left.contains(it.key())) {
                *error = QStringLiteral("effect type \"%1\" gives a default to no row \"%2\"")
                             .arg(type.value(str("name")).toString(), it.key());
                return false;
            }
        }
    }
    block->typeRules.push_back(std::move(rule));
    return true;
}

// The drum kit: one row per key, one column per parameter, as part defaults.
bool applyKit(const QJsonObject &kit, Schema *schema, QString *error)
{
    if (kit.isEmpty())
        return true;
    const QJsonArray columns = kit.value(str("columns")).toArray();
    ValueFormat noteFormat;
    noteFormat.kind = ValueFormat::Note;
    int firstKey = 0;
    if (!resolveValue(kit.value(str("firstKey")), noteFormat, 0, 127, &firstKey, error))
        return false;
    std::vector<Parameter *> targets;
    for (const QJsonValue &cv : columns) {
        const QStringList path = cv.toString().split(QLatin1Char('/'));
        const int b = schema->index.value(path.value(0), -1);
        const int p = b < 0 ? -1 : schema->blocks[std::size_t(b)].index.value(path.value(1), -1);
        if (p < 0) {
            *error = QStringLiteral("the kit names unknown parameter \"%1\"").arg(cv.toString());
            return false;
        }
        Block &block = schema->blocks[std::size_t(b)];
        Parameter &target = block.parameters[std::size_t(p)];
        target.partDefaults.assign(std::size_t(block.parts), target.defaultValue);
        targets.push_back(&target);
    }
    for (const QJsonValue &kv : kit.value(str("keys")).toArray()) {
        const QJsonArray row = kv.toArray();
        int note = 0;
        if (!resolveValue(row.at(0), noteFormat, 0, 127, &note, error))
            return false;
        const int part = note - firstKey;
        for (std::size_t c = 0; c < targets.size(); ++c) {
            Parameter &t = *targets[c];
            if (part < 0 || std::size_t(part) >= t.partDefaults.size()) {
                *error = QStringLiteral("the kit's key %1 is out of the drum keys")
                             .arg(row.at(0).toString());
                return false;
            }
            if (!resolveValue(row.at(int(c) + 1), t.format, t.minimum, t.maximum,
                              &t.partDefaults[std::size_t(part)], error)) {
                error->prepend(QStringLiteral("kit key %1: ").arg(row.at(0).toString()));
                return false;
            }
        }
    }
    return true;
}

// The plug-in or drum form of a normal block.
Block formOf(const Block &normal, int voiceType, const QString &blockWord, const QString &prefix)
{
    Block block = normal;
    block.voiceType = voiceType;
    block.word = blockWord + normal.word.mid(6);
    block.index.clear();
    for (std::size_t i = 0; i < block.parameters.size(); ++i) {
        Parameter &p = block.parameters[i];
        if (p.word.startsWith(QLatin1String("Nrm")))
            p.word = prefix + p.word.mid(3);
        block.index.insert(p.word, int(i));
    }
    return block;
}

bool gather(const QByteArray &json, Content *content)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (document.isNull() || !document.isObject())
        return content->fail(document.isNull() ? parseError.errorString() : str("not an object"));
    const QJsonObject root = document.object();
    const QJsonObject formats = root.value(str("formats")).toObject();
    // A format may be like another of the same file ("like"): those wait
    // for a second pass.
    QStringList waiting;
    for (int pass = 0; pass < 2; ++pass) {
        for (auto it = formats.begin(); it != formats.end(); ++it) {
            if (pass == 1 && !waiting.contains(it.key()))
                continue;
            ValueFormat f;
            QString why;
            if (parseFormat(it.value(), *content, &f, &why))
                content->formats.insert(it.key(), f);
            else if (pass == 0)
                waiting << it.key();
            else
                return content->fail(QStringLiteral("format \"%1\": %2").arg(it.key(), why));
        }
    }
    const QJsonObject effects = root.value(str("effects")).toObject();
    const QJsonObject families = effects.value(str("families")).toObject();
    for (auto it = families.begin(); it != families.end(); ++it)
        content->families.insert(it.key(), it.value().toArray());
    const QJsonObject sets = effects.value(str("sets")).toObject();
    for (auto it = sets.begin(); it != sets.end(); ++it)
        content->effectSets.insert(it.key(), it.value().toArray());
    if (root.contains(str("kit")))
        content->kit = root.value(str("kit")).toObject();
    for (const QJsonValue &bv : root.value(str("blocks")).toArray()) {
        const QJsonObject bo = bv.toObject();
        const QString word = bo.value(str("word")).toString();
        if (word.isEmpty())
            return content->fail(str("a block without a word"));
        if (!content->blockOrder.contains(word))
            content->blockOrder << word;
        QJsonObject &head = content->blockHeads[word];
        for (const char *key : { "voiceType", "parts", "forms", "effect" }) {
            if (!bo.contains(str(key)))
                continue;
            if (head.contains(str(key)) && head.value(str(key)) != bo.value(str(key)))
                return content->fail(
                    QStringLiteral("block \"%1\" is given two %2").arg(word, str(key)));
            head.insert(str(key), bo.value(str(key)));
        }
        QJsonArray &params = content->blockParams[word];
        for (const QJsonValue &pv : bo.value(str("params")).toArray())
            params.append(pv);
        QJsonArray &types = content->blockTypes[word];
        for (const QJsonValue &tv : bo.value(str("types")).toArray())
            types.append(tv);
    }
    return true;
}

} // namespace

bool Schema::parse(const QList<QByteArray> &files, const QStringList &names, QString *error)
{
    Content content;
    for (int i = 0; i < files.size(); ++i) {
        if (!gather(files.at(i), &content)) {
            *error = QStringLiteral("%1: %2").arg(names.value(i), content.error);
            return false;
        }
    }
    if (content.blockOrder.isEmpty()) {
        *error = QStringLiteral("no blocks");
        return false;
    }
    Schema schema;
    auto add = [&schema](Block block) {
        if (schema.index.contains(block.word))
            return false;
        schema.index.insert(block.word, int(schema.blocks.size()));
        schema.blocks.push_back(std::move(block));
        return true;
    };
    for (const QString &word : std::as_const(content.blockOrder)) {
        const QJsonObject head = content.blockHeads.value(word);
        Block block;
        block.word = word;
        block.voiceType = head.value(str("voiceType")).toInt();
        block.parts = head.value(str("parts")).toInt(1);
        if (block.parts < 1 || block.voiceType < 1 || block.voiceType > 4) {
            *error = QStringLiteral("block \"%1\" has no voice type or parts").arg(word);
            return false;
        }
        const QJsonObject effect = head.value(str("effect")).toObject();
        const QString effectType = effect.value(str("type")).toString();
        for (const QJsonValue &pv : content.blockParams.value(word)) {
            const QJsonObject po = pv.toObject();
            Parameter p;
            if (!effectType.isEmpty() && po.value(str("word")).toString() == effectType) {
                // An effect type lists its set's names.
                p.format.kind = ValueFormat::List;
                for (const QJsonValue &tv :
                     content.effectSets.value(effect.value(str("set")).toString()))
                    p.format.items << tv.toObject().value(str("name")).toString();
                p.maximum = int(p.format.items.size()) - 1;
            }
            QString why;
            if (!parseParameter(po, content, &p, &why)) {
                *error = QStringLiteral("block \"%1\": %2").arg(word, why);
                return false;
            }
            if (block.index.contains(p.word)) {
                *error =
                    QStringLiteral("block \"%1\" has parameter \"%2\" twice").arg(word, p.word);
                return false;
            }
            block.index.insert(p.word, int(block.parameters.size()));
            block.parameters.push_back(p);
        }
        QString why;
        if (!parseTypes(content.blockTypes.value(word), content, &block, &why)
            || (!effectType.isEmpty() && !expandEffect(effect, content, &block, &why))) {
            *error = QStringLiteral("block \"%1\": %2").arg(word, why);
            return false;
        }
        const bool forms = head.value(str("forms")).toBool();
        const Block plugin = forms ? formOf(block, 2, str("Plugin"), str("Plg")) : Block();
        const Block drum = forms ? formOf(block, 3, str("Drum"), str("Drm")) : Block();
        if (!add(std::move(block)) || (forms && (!add(plugin) || !add(drum)))) {
            *error = QStringLiteral("block \"%1\" or one of its forms is written twice").arg(word);
            return false;
        }
    }
    if (!applyKit(content.kit, &schema, error))
        return false;
    schema.initial = schema.computeInitialValues();
    *this = std::move(schema);
    return true;
}

bool Schema::load(const QString &path, QString *error)
{
    QStringList names;
    if (QFileInfo(path).isDir()) {
        const QDir dir(path);
        for (const QString &name :
             dir.entryList({ QStringLiteral("*.json") }, QDir::Files, QDir::Name))
            names << dir.filePath(name);
    } else {
        names << path;
    }
    QList<QByteArray> files;
    for (const QString &name : std::as_const(names)) {
        QFile file(name);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the schema %1: %2").arg(name, file.errorString());
            return false;
        }
        files.append(file.readAll());
    }
    QString why;
    if (!parse(files, names, &why)) {
        *error = QStringLiteral("%1 is not a parameter schema: %2").arg(path, why);
        return false;
    }
    return true;
}

} // namespace ParameterSchema
