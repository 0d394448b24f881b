#pragma once

#include "imemapi.h"
#include "memapi_export.h"
#include "parameterref.h"
#include "partnames.h"
#include "voice.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

namespace ParameterSchema {
struct Schema;
}
class TMemProxy;
class QWidget;

// The parameter memory: the voice being edited (its type, values, name,
// category, comment and tags) over the schema of a synthesizer voice
// (blocks of parameters, each with its name, range, default and value
// texts), with a stored copy of the voice for compare mode.
//
// One object per host. The host creates it, gives it its voice data with
// setVoiceData() and hands it to every dialog as an IMemAPI. Dialog controls
// (TMemProxy) are bound to it by assignEditChannel(); from then on every
// change of a value, from a control or from the host, reaches every bound
// control and notifier of that parameter and part once.
//
// Numbers: a value is named by a ParameterRef (high, low, part): the index
// of its block in the schema, its index in the block, and the part (one of
// the block's partCount() parts: 4 elements, 73 drum keys, or 1). Every
// operation taking numbers accepts any numbers: an unknown parameter or part
// gives 0, an empty text or false.
//
// Address texts: "FEkNormalElement/kNrmElmPan" (the part is the one passed,
// or the edit channel for a control), "00kNormalCommon/kNrmComPortamentoMode",
// "20kNormalElement/kNrmElmPan" (fixed element 3: the two hex digits divided
// by 16). resolve() is the one place that turns an address into a value's
// numbers.
class VESTRA_MEMAPI_EXPORT TParameterMemory : public QObject, public IMemAPI
{
    Q_OBJECT

public:
    // Part numbers of the blocks (partCount()).
    enum { ElementCount = PartNames::elementCount, DrumKeyCount = PartNames::drumKeyCount };

    // With the schema embedded in the library.
    explicit TParameterMemory(QObject *parent = nullptr);
    ~TParameterMemory() override;

    // Replaces the schema by the one in `path` (the format of the embedded
    // content), every value taking its default. On failure returns false,
    // sets *error (if not null) to a text naming the file and the fault, and
    // keeps the schema and values it had. `path` is a folder of content
    // files (*.json, read together) or one file.
    bool loadSchema(const QString &path, QString *error);
    // The name of the schema in use (":/vestra/memapi/content" for the embedded one).
    QString schemaSource() const;
    const ParameterSchema::Schema &schema() const;

    // ---- The host's voice data (IZintaVoiceData); not owned.
    void setVoiceData(QObject *voiceData);

    // ---- Schema access.
    int blockCount() const;
    QString blockWord(int high) const;        // "NormalElement"
    VoiceType blockVoiceType(int high) const; // Normal for an unknown block
    int partCount(int high) const;            // 4, 73 or 1
    int parameterCount(int high) const;
    QString parameterWord(int high, int low) const; // "NrmElmPan"
    // The address without its part digits, "kNormalElement/kNrmElmPan".
    QString parameterPath(int high, int low) const;
    // (high, low) of an address with or without part digits; false when the
    // memory does not know it. *fixedPart (may be null) receives the part of
    // the digits, -1 for "FE" (and for no digits).
    bool findParameter(const QString &address, quint16 *high, quint16 *low,
                       int *fixedPart = nullptr) const;
    // The value an address names: its fixed part, or `part` for "FE" and an
    // address without digits (0 in a block of one part). Nothing for an
    // address the memory does not know or a part its block does not have.
    std::optional<ParameterRef> resolve(const QString &address, int part = 0) const;

    // ---- Values. The value read is the edit buffer's, or the stored
    // voice's in compare mode.
    int value(const ParameterRef &ref) const;
    // Writes v clipped to the parameter's range. Returns whether the value
    // changed; false in compare mode (refused, editRefused()) or for an
    // unknown parameter. A new effect type sets the parameters of the effect
    // to the type's defaults within the same call. A change is an edit:
    // valueEdited() reports it, and every value changed emits
    // parameterChanged() before the call returns.
    bool setValue(const ParameterRef &ref, int v);
    int minimum(const ParameterRef &ref) const;
    int maximum(const ParameterRef &ref) const;
    int defaultValue(const ParameterRef &ref) const;
    // The text of value v ("C3", "L63", "On", "12.5ms"), and the parameter's
    // name; both follow the current value of the block's type parameter.
    QString valueText(const ParameterRef &ref, int v) const;
    QString name(const ParameterRef &ref) const;
    // The parameter's name in full where name() is a short caption; equal to
    // name() when there is no longer one.
    QString fullName(const ParameterRef &ref) const;
    // Whether the parameter is used by the current type of its block.
    bool inUse(const ParameterRef &ref) const;
    bool isKnown(const ParameterRef &ref) const;
    // Whether the parameter selects the type of its block (its value changes
    // the names, ranges and use of the block's other parameters).
    bool isTypeParameter(quint16 high, quint16 low) const;

    // The same by numbers.
    int value(quint16 high, quint16 low, int part) const { return value({ high, low, part }); }
    bool setValue(quint16 high, quint16 low, int part, int v)
    {
        return setValue({ high, low, part }, v);
    }
    int minimum(quint16 high, quint16 low, int part) const { return minimum({ high, low, part }); }
    int maximum(quint16 high, quint16 low, int part) const { return maximum({ high, low, part }); }
    int defaultValue(quint16 high, quint16 low, int part) const
    {
        return defaultValue({ high, low, part });
    }
    QString valueText(quint16 high, quint16 low, int part, int v) const
    {
        return valueText({ high, low, part }, v);
    }
    QString name(quint16 high, quint16 low, int part) const { return name({ high, low, part }); }
    QString fullName(quint16 high, quint16 low, int part) const
    {
        return fullName({ high, low, part });
    }
    bool inUse(quint16 high, quint16 low, int part) const { return inUse({ high, low, part }); }
    bool isKnown(quint16 high, quint16 low, int part) const { return isKnown({ high, low, part }); }

    // The same by address text; `part` stands for "FE" (fixed digits give their own).
    int value(const QString &address, int part = 0) const;
    bool setValue(const QString &address, int part, int v);
    QString valueText(const QString &address, int part, int v) const;
    QString name(const QString &address, int part = 0) const;
    QString fullName(const QString &address, int part = 0) const;
    bool inUse(const QString &address, int part = 0) const;

    // ---- Whole voices.
    // The voice in the edit buffer, and the stored copy compare mode shows
    // (with the edit buffer's name, category, comment and tags).
    Voice voice() const;
    Voice storedVoice() const;
    // Puts `voice` into the edit buffer and the stored copy: a voice opened
    // or started. Values outside the schema's shape are ignored (a voice
    // decoded against this schema always fits). Announces exactly the values
    // that differ from those shown before with parameterChanged(), then
    // voiceTypeChanged() if the type changed, voiceHeadChanged() and
    // editBufferLoaded(voice type, 0). Not an edit: nothing is reported to
    // the history.
    void setVoice(const Voice &voice);
    // The initial voice of a type: every value at its default, no name.
    Voice initialVoice(VoiceType type = VoiceType::Normal) const;
    // setVoice(initialVoice()).
    void resetToDefaults();
    // Copies the edit buffer to the stored copy that compare mode shows;
    // emits storedVoiceChanged().
    void storeVoice();
    // The stored copy's value, and whether the edit buffer differs from it.
    int storedValue(const ParameterRef &ref) const;
    bool differsFromStored(const ParameterRef &ref) const;
    int storedValue(quint16 high, quint16 low, int part) const
    {
        return storedValue({ high, low, part });
    }
    bool differsFromStored(quint16 high, quint16 low, int part) const
    {
        return differsFromStored({ high, low, part });
    }

    // The voice type of the voice in the edit buffer (Normal, Plugin or
    // Drum); the first argument of editBufferLoaded(). Setting it emits
    // voiceTypeChanged(); a type that is no voice's is ignored.
    VoiceType voiceType() const;
    void setVoiceType(VoiceType type);

    // What the voice is filed under. Each setter returns whether anything
    // changed and emits voiceHeadChanged() when it did. The name is cut to
    // Voice::nameLength characters; a category must be one of
    // Voice::categories() (or empty), anything else is ignored.
    QString voiceName() const;
    bool setVoiceName(const QString &name);
    QString voiceCategory() const;
    bool setVoiceCategory(const QString &category);
    QString voiceComment() const;
    bool setVoiceComment(const QString &comment);
    QStringList voiceTags() const;
    bool setVoiceTags(const QStringList &tags);

    // ---- Edits, as an editor's history sees them.
    // Every change setValue() makes is reported by valueEdited() with its old
    // and new value, whether a control, the host or a follow-on of a type
    // change made it; loads, resets and compare mode are not edits. The
    // changes made from the outermost of nested beginEdit()/endEdit() pairs
    // (setValue() makes one itself) form one group, announced by
    // editGroupBegun() and editGroupEnded(); controls and notifiers hear the
    // group's changes when it ends. A group begun with recorded false
    // reports nothing, not even the writes its deliveries cause.
    void beginEdit(bool recorded = true);
    void endEdit();
    // Puts back a value an earlier edit replaced (undo, redo): written as it
    // is, without follow-on changes and without valueEdited(). False in
    // compare mode, for an unknown parameter, or when nothing changes.
    bool restoreValue(const ParameterRef &ref, int v);
    bool restoreValue(quint16 high, quint16 low, int part, int v)
    {
        return restoreValue({ high, low, part }, v);
    }

    // ---- Compare mode: shows the stored copy (the voice last loaded, saved
    // or stored); edits are refused. Leaving it shows the edit buffer as it
    // was.
    void setCompareMode(bool on);
    bool compareMode() const;
    // Says again whether compare mode is on (enterCompareMode), for what
    // joined since it changed: a dialog that opens in compare mode.
    void announceCompareMode();

    // ---- The current drum key (0 to 72); emits signalDrumKeyNoteChange(int) on change.
    void setCurrentDrumKey(int key);
    int currentDrumKey() const;

    // ---- IMemAPI.
    QObject *voiceData() override;
    TResolvedAddress resolveAddress(const QString &address) override;
    void assignEditChannel(QWidget *dialog, int channel) override;
    int parameterText(quint16 part, int kind, QString &text, QPixmap &pixmap, int value,
                      int reserved, quint16 high, quint16 low) override;
    bool connectSignal(const char *signal, QObject *receiver, const char *member,
                       bool unique) override;

signals:
    // A voice was put into the edit buffer (or the memory was reset): the
    // voice type and 0.
    void editBufferLoaded(short voiceType, short reserved);
    void enterCompareMode(bool on);
    void signalDrumKeyNoteChange(int key);
    // The shown value of (high, low, part) changed, whatever the cause (an
    // edit, a load, compare mode). For the host editor's live view.
    void parameterChanged(quint16 high, quint16 low, int part, int value);
    // The use, name or range of parameters of block `high` may have changed
    // (its type parameter changed).
    void blockLayoutChanged(quint16 high, int part);
    // An edit of the edit buffer (see beginEdit()).
    void valueEdited(quint16 high, quint16 low, int part, int oldValue, int newValue);
    void editGroupBegun();
    void editGroupEnded();
    // setValue() refused to write v because compare mode is on.
    void editRefused(quint16 high, quint16 low, int part, int value);
    // The stored copy was replaced by the edit buffer (storeVoice()).
    void storedVoiceChanged();
    // The voice's type changed (setVoiceType(), setVoice()).
    void voiceTypeChanged(VoiceType type);
    // The voice's name, category, comment or tags changed.
    void voiceHeadChanged();

private:
    friend class TMemProxy;
    // Called by TMemProxy.
    bool bindProxy(TMemProxy *proxy, int channel);
    void unbindProxy(TMemProxy *proxy);
    // The proxy is going away.
    void forgetProxy(TMemProxy *proxy);
    // What a new type value of a type parameter does to the rest of its
    // part: an effect's parameters take the type's defaults, and every value
    // is kept within the range the type gives it.
    void applyType(const ParameterRef &ref, int type);
    // Queues `ref` for delivery, with the rest of the part when it is a type
    // parameter.
    void queueChange(const ParameterRef &ref);
    // Announces every value shown now that differs from `before`, and has
    // every control read its parameter again.
    void announceShownSince(const Values &before);

    class Private;
    std::unique_ptr<Private> d;
};
