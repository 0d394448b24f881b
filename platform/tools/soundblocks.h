#pragma once

#include <parameterref.h>
#include <voicetype.h>

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <vector>

class TParameterMemory;

// One block as a musician thinks of it: the amplitude envelope of an
// element, its filter, the reverb, a drum key. A block is a set of
// parameters of one part (an element, a drum key, or the voice's common
// part), named by the schema blocks they sit in and patterns of their
// address words.
struct SoundBlock
{
    enum Scope { Element, DrumKey, Common };

    QString id;   // "amplitudeEnvelope"
    QString name; // "Amplitude Envelope"
    Scope scope = Element;
    // Blocks of one family take each other's contents: the effect slots.
    QString family; // the id when the block has no family of its own
    // An effect slot's word stem ("NrmInsA"): the words without it name the
    // slot's rows alike in every slot ("Type", "Param3").
    QString stem;
    QStringList schemaBlocks; // in the normal voice's form: "NormalElementAmplitude"
    QStringList words;        // "NrmElmAEG*"
    std::vector<QRegularExpression> patterns; // the words, compiled

    bool isEffect() const { return !stem.isEmpty(); }
};

// The blocks musicians copy, paste and lock (content/soundblocks.json), and
// which parameters of a voice belong to each. A voice of another type finds
// the same blocks in its own form of the schema (PluginElement..., Plg...).
class SoundBlocks
{
public:
    // The blocks embedded in the tools library.
    static const SoundBlocks &builtIn();
    // Makes the tools' embedded content readable (":/zinta/tools/..."): the
    // library is static, so its resources register on first use.
    static void registerContent();

    // Reads a block list; false with *error set when it is not one.
    bool parse(const QByteArray &json, QString *error);

    const std::vector<SoundBlock> &all() const { return m_blocks; }
    const SoundBlock *find(const QString &id) const;

    // The block that parameter (high, low) belongs to in a voice of the
    // memory's type, or null.
    const SoundBlock *blockOf(const TParameterMemory &memory, quint16 high, quint16 low) const;
    // Whether `block` exists in a voice of the memory's type.
    bool isOffered(const TParameterMemory &memory, const SoundBlock &block) const;
    // The parameters of `block` in `part` for the memory's voice type, in
    // schema order.
    std::vector<ParameterRef> members(const TParameterMemory &memory, const SoundBlock &block,
                                      int part) const;
    // The word that names a member alike in every voice type and, for an
    // effect slot, in every slot: "NrmElmAEGAttackTime", "Param3".
    static QString key(const TParameterMemory &memory, const SoundBlock &block,
                       const ParameterRef &ref);

    // The part a block's scope means when the view shows `element` and the
    // memory's current drum key.
    static int partFor(const TParameterMemory &memory, const SoundBlock &block, int element);

private:
    std::vector<SoundBlock> m_blocks;
};
