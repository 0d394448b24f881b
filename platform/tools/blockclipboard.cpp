#include "blockclipboard.h"

#include "soundblocks.h"

#include <tparametermemory.h>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMimeData>

#include <optional>

namespace BlockClipboard {

const char mimeType[] = "application/x-zinta-block+json";

namespace {

const QString formatName = QStringLiteral("zinta-block");

QString tr(const char *text)
{
    return QCoreApplication::translate("BlockClipboard", text);
}

QString partText(const SoundBlock &block, int part)
{
    const int parts = block.scope == SoundBlock::Element ? int(PartNames::elementCount)
        : block.scope == SoundBlock::DrumKey             ? int(PartNames::drumKeyCount)
                                                         : 1;
    return PartNames::partName(parts, part);
}

// The value of the type parameter `ref` whose text is `text`.
std::optional<int> valueOfText(const TParameterMemory &memory, const ParameterRef &ref,
                               const QString &text)
{
    for (int v = memory.minimum(ref); v <= memory.maximum(ref); ++v) {
        if (memory.valueText(ref, v) == text)
            return v;
    }
    return std::nullopt;
}

} // namespace

QJsonObject contents(const TParameterMemory &memory, const SoundBlock &block, int part)
{
    QJsonArray values;
    for (const ParameterRef &ref : SoundBlocks::builtIn().members(memory, block, part)) {
        const int v = memory.value(ref);
        values.append(QJsonObject{ { QStringLiteral("key"), SoundBlocks::key(memory, block, ref) },
                                   { QStringLiteral("name"), memory.name(ref) },
                                   { QStringLiteral("value"), v },
                                   { QStringLiteral("text"), memory.valueText(ref, v) },
                                   { QStringLiteral("inUse"), memory.inUse(ref) } });
    }
    return QJsonObject{ { QStringLiteral("format"), formatName },
                        { QStringLiteral("version"), 1 },
                        { QStringLiteral("block"), block.id },
                        { QStringLiteral("family"), block.family },
                        { QStringLiteral("name"), block.name },
                        { QStringLiteral("from"), partText(block, part) },
                        { QStringLiteral("voiceType"), int(memory.voiceType()) },
                        { QStringLiteral("values"), values } };
}

QMimeData *mimeData(const QJsonObject &contents)
{
    auto *data = new QMimeData;
    data->setData(QLatin1String(mimeType), QJsonDocument(contents).toJson(QJsonDocument::Indented));
    QString text = contents.value(QLatin1String("name")).toString();
    const QString from = contents.value(QLatin1String("from")).toString();
    if (!from.isEmpty())
        text += QStringLiteral(", ") + from;
    text += QLatin1Char('\n');
    for (const QJsonValue &v : contents.value(QLatin1String("values")).toArray()) {
        const QJsonObject o = v.toObject();
        text += QStringLiteral("%1: %2\n")
                    .arg(o.value(QLatin1String("name")).toString(),
                         o.value(QLatin1String("text")).toString());
    }
    data->setText(text);
    return data;
}

bool read(const QMimeData *data, QJsonObject *contents, QString *error)
{
    if (!data || !data->hasFormat(QLatin1String(mimeType))) {
        *error = tr("The clipboard holds no block: copy one first (Edit > Copy Block)");
        return false;
    }
    const QJsonDocument document = QJsonDocument::fromJson(data->data(QLatin1String(mimeType)));
    const QJsonObject o = document.object();
    if (o.value(QLatin1String("format")).toString() != formatName
        || o.value(QLatin1String("version")).toInt() != 1
        || !o.value(QLatin1String("values")).isArray()) {
        *error = tr("The clipboard's block is not one this editor reads");
        return false;
    }
    *contents = o;
    return true;
}

bool paste(TParameterMemory &memory, const SoundBlock &block, int part, const QJsonObject &contents,
           QString *error)
{
    const QString family = contents.value(QLatin1String("family")).toString();
    if (family != block.family) {
        *error = tr("The clipboard holds the %1; it cannot go into the %2")
                     .arg(contents.value(QLatin1String("name")).toString(), block.name);
        return false;
    }
    // The target of every key, and the value it takes.
    struct Write
    {
        ParameterRef ref;
        int value;
        bool type;
        bool typeDefault = false; // the default the new type gives
    };
    std::vector<Write> writes;
    const std::vector<ParameterRef> members = SoundBlocks::builtIn().members(memory, block, part);
    const QJsonArray values = contents.value(QLatin1String("values")).toArray();
    for (const ParameterRef &ref : members) {
        const QString key = SoundBlocks::key(memory, block, ref);
        for (const QJsonValue &v : values) {
            const QJsonObject o = v.toObject();
            if (o.value(QLatin1String("key")).toString() != key)
                continue;
            // A row the copied effect does not have (a send effect's
            // Dry/Wet) keeps the default the pasted type gives it.
            if (block.isEffect() && !o.value(QLatin1String("inUse")).toBool(true)) {
                writes.push_back({ ref, 0, false, true });
                break;
            }
            const bool type = memory.isTypeParameter(ref.high, ref.low);
            int value = o.value(QLatin1String("value")).toInt();
            if (type && block.isEffect()) {
                const QString text = o.value(QLatin1String("text")).toString();
                const std::optional<int> found = valueOfText(memory, ref, text);
                if (!found) {
                    *error = tr("The %1 has no type \"%2\"").arg(block.name, text);
                    return false;
                }
                value = *found;
            }
            writes.push_back({ ref, value, type });
            break;
        }
    }
    if (writes.empty()) {
        *error = tr("Nothing of the clipboard's %1 fits this voice").arg(block.name);
        return false;
    }
    for (const bool types : { true, false }) {
        for (const Write &w : writes) {
            if (w.type == types)
                memory.setValue(w.ref, w.typeDefault ? memory.defaultValue(w.ref) : w.value);
        }
    }
    return true;
}

} // namespace BlockClipboard
