#include "soundblocks.h"

#include <tparametermemory.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

// The first letters of block and parameter words in each voice type's form.
struct Form
{
    QString block; // "Normal", "Plugin", "Drum"
    QString word;  // "Nrm", "Plg", "Drm"
};

Form formOf(VoiceType type)
{
    switch (type) {
    case VoiceType::Plugin:
        return { QStringLiteral("Plugin"), QStringLiteral("Plg") };
    case VoiceType::Drum:
        return { QStringLiteral("Drum"), QStringLiteral("Drm") };
    default:
        return { QStringLiteral("Normal"), QStringLiteral("Nrm") };
    }
}

// `word` with the first letters `from` replaced by `to`.
QString inForm(const QString &word, const QString &from, const QString &to)
{
    return word.startsWith(from) ? to + word.mid(from.size()) : word;
}

// The words of (high, low) as the block list writes them: a block of the
// normal voice's form (and its words) in that form, any other as it is.
std::pair<QString, QString> listedWords(const TParameterMemory &memory, quint16 high, quint16 low,
                                        const QStringList &knownBlocks)
{
    const Form form = formOf(memory.voiceType());
    const QString blockWord = memory.blockWord(high);
    const QString normalBlock = inForm(blockWord, form.block, QStringLiteral("Normal"));
    if (knownBlocks.contains(blockWord) || !knownBlocks.contains(normalBlock))
        return { blockWord, memory.parameterWord(high, low) };
    return { normalBlock,
             inForm(memory.parameterWord(high, low), form.word, QStringLiteral("Nrm")) };
}

} // namespace

// Outside any namespace, as Q_INIT_RESOURCE needs.
static void registerToolsContent()
{
    Q_INIT_RESOURCE(tools);
}

void SoundBlocks::registerContent()
{
    static const bool registered = (registerToolsContent(), true);
    (void)registered;
}

const SoundBlocks &SoundBlocks::builtIn()
{
    static const SoundBlocks blocks = [] {
        registerContent();
        SoundBlocks b;
        QFile file(QStringLiteral(":/zinta/tools/soundblocks.json"));
        QString error;
        if (!file.open(QIODevice::ReadOnly) || !b.parse(file.readAll(), &error))
            qFatal("The tools' block list does not read: %s", qPrintable(error));
        return b;
    }();
    return blocks;
}

bool SoundBlocks::parse(const QByteArray &json, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (!document.isObject()) {
        *error = parseError.errorString();
        return false;
    }
    std::vector<SoundBlock> blocks;
    for (const QJsonValue &value : document.object().value(QLatin1String("blocks")).toArray()) {
        const QJsonObject o = value.toObject();
        SoundBlock block;
        block.id = o.value(QLatin1String("id")).toString();
        block.name = o.value(QLatin1String("name")).toString();
        const QString scope = o.value(QLatin1String("scope")).toString();
        block.scope = scope == QLatin1String("drumKey") ? SoundBlock::DrumKey
            : scope == QLatin1String("common")          ? SoundBlock::Common
                                                        : SoundBlock::Element;
        block.family = o.value(QLatin1String("family")).toString(block.id);
        block.stem = o.value(QLatin1String("stem")).toString();
        for (const QJsonValue &v : o.value(QLatin1String("blocks")).toArray())
            block.schemaBlocks << v.toString();
        for (const QJsonValue &v : o.value(QLatin1String("words")).toArray()) {
            block.words << v.toString();
            block.patterns.emplace_back(
                QRegularExpression::wildcardToRegularExpression(v.toString()));
        }
        if (block.id.isEmpty() || block.name.isEmpty() || block.schemaBlocks.isEmpty()
            || block.words.isEmpty()) {
            *error = QStringLiteral("block %1 lacks an id, a name, blocks or words")
                         .arg(int(blocks.size()) + 1);
            return false;
        }
        blocks.push_back(block);
    }
    m_blocks = std::move(blocks);
    return true;
}

const SoundBlock *SoundBlocks::find(const QString &id) const
{
    for (const SoundBlock &block : m_blocks) {
        if (block.id == id)
            return &block;
    }
    return nullptr;
}

const SoundBlock *SoundBlocks::blockOf(const TParameterMemory &memory, quint16 high,
                                       quint16 low) const
{
    for (const SoundBlock &block : m_blocks) {
        const auto [blockWord, word] = listedWords(memory, high, low, block.schemaBlocks);
        if (!block.schemaBlocks.contains(blockWord))
            continue;
        for (const QRegularExpression &pattern : block.patterns) {
            if (pattern.match(word).hasMatch())
                return &block;
        }
    }
    return nullptr;
}

bool SoundBlocks::isOffered(const TParameterMemory &memory, const SoundBlock &block) const
{
    for (int high = 0; high < memory.blockCount(); ++high) {
        if (memory.blockVoiceType(high) == memory.voiceType() && memory.parameterCount(high) > 0
            && block.schemaBlocks.contains(
                listedWords(memory, quint16(high), 0, block.schemaBlocks).first))
            return true;
    }
    return false;
}

std::vector<ParameterRef> SoundBlocks::members(const TParameterMemory &memory,
                                               const SoundBlock &block, int part) const
{
    std::vector<ParameterRef> refs;
    for (int high = 0; high < memory.blockCount(); ++high) {
        if (memory.blockVoiceType(high) != memory.voiceType() || part < 0
            || part >= memory.partCount(high))
            continue;
        for (int low = 0; low < memory.parameterCount(high); ++low) {
            if (blockOf(memory, quint16(high), quint16(low)) == &block)
                refs.push_back({ quint16(high), quint16(low), part });
        }
    }
    return refs;
}

QString SoundBlocks::key(const TParameterMemory &memory, const SoundBlock &block,
                         const ParameterRef &ref)
{
    QString word = listedWords(memory, ref.high, ref.low, block.schemaBlocks).second;
    if (block.isEffect() && word.startsWith(block.stem))
        word = word.mid(block.stem.size());
    return word;
}

int SoundBlocks::partFor(const TParameterMemory &memory, const SoundBlock &block, int element)
{
    switch (block.scope) {
    case SoundBlock::Element:
        return element;
    case SoundBlock::DrumKey:
        return memory.currentDrumKey();
    default:
        return 0;
    }
}
