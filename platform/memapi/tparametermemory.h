#pragma once

#include "imemapi.h"
#include "memapi_export.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class TMemProxy;
class QWidget;

// The parameter memory: the schema of a synthesizer voice (blocks of
// parameters, each with its name, range, default and value texts) and the
// values of the voice being edited, with a stored copy for compare mode.
//
// One object per host. The host creates it, gives it its voice data with
// setVoiceData() and hands it to every dialog as an IMemAPI. Dialog controls
// (TMemProxy) are bound to it by assignEditChannel(); from then on every
// change of a value, from a control or from the host, reaches every bound
// control and notifier of that parameter and part once.
//
// Numbers: a parameter is named by (high, low), the index of its block in
// the schema and its index in the block; a block has partCount() parts
// (4 elements, 73 drum keys, or 1). Every operation taking numbers accepts
// any numbers: an unknown parameter or part gives 0, an empty text or false.
//
// Address texts: "FEkNormalElement/kNrmElmPan" (the part is the one passed,
// or the edit channel for a control), "00kNormalCommon/kNrmComPortamentoMode",
// "20kNormalElement/kNrmElmPan" (fixed element 3: the two hex digits divided
// by 16).
class VESTRA_MEMAPI_EXPORT TParameterMemory : public QObject, public IMemAPI
{
    Q_OBJECT

public:
    // Part numbers of the blocks (partCount()).
    enum { ElementCount = 4, DrumKeyCount = 73 };

    // With the schema embedded in the library.
    explicit TParameterMemory(QObject *parent = nullptr);
    ~TParameterMemory() override;

    // Replaces the schema by the one in `path` (the format of the embedded
    // schema), every value taking its default. On failure returns false,
    // sets *error (if not null) to a text naming the file and the fault, and
    // keeps the schema and values it had.
    bool loadSchema(const QString &path, QString *error);
    // `path` is a folder of content files (*.json, read together) or one
    // file. The name of the schema in use (":/vestra/memapi/content" for the
    // embedded one).
    QString schemaSource() const;

    // ---- The host's voice data (IZintaVoiceData); not owned.
    void setVoiceData(QObject *voiceData);

    // ---- Schema access.
    int blockCount() const;
    QString blockWord(int high) const;             // "NormalElement"
    int blockVoiceType(int high) const;            // 1 normal, 2 plug-in, 3 drum, 4 boards
    int partCount(int high) const;                 // 4, 73 or 1
    int parameterCount(int high) const;
    QString parameterWord(int high, int low) const; // "NrmElmPan"
    // The address without its part digits, "kNormalElement/kNrmElmPan".
    QString parameterPath(int high, int low) const;
    // (high, low) of an address with or without part digits
    // ("FEkNormalElement/kNrmElmPan" or "kNormalElement/kNrmElmPan"); false
    // when the memory does not know it. *fixedPart (may be null) receives the
    // part of the digits, -1 for "FE" (and for no digits).
    bool findParameter(const QString &address, quint16 *high, quint16 *low,
                       int *fixedPart = nullptr) const;
    // One line per parameter, in schema order:
    // "kNormalElement/kNrmElmPan<TAB>Pan<TAB>-63<TAB>63<TAB>L63<TAB>R63<TAB>C"
    // (path, name, minimum, maximum, texts of both ends and of the default;
    // as the initial voice's first part has them).
    QStringList schemaListing() const;
    // One line per type parameter, type value and parameter in use with that
    // type, among those the type parameter governs:
    // "kNormalCommonReverb/kNrmRevType<TAB>1<TAB>Hall 1<TAB>kNormalCommonReverb/kNrmRevParam1
    //  <TAB>Reverb Time<TAB>0.3s<TAB>12.7s<TAB>2.6s" (type parameter, value,
    // its text, parameter, name, texts of minimum, maximum and default).
    QStringList typeListing() const;

    // ---- Values. `part` is clipped to nothing: an out-of-range part is
    // unknown. The value read is the edit buffer's, or the stored voice's in
    // compare mode.
    int value(quint16 high, quint16 low, int part) const;
    // Writes v clipped to the parameter's range. Returns whether the value
    // changed; false in compare mode (refused, editRefused()) or for an
    // unknown parameter. A new effect type sets the parameters of the effect
    // to the type's defaults within the same call. A change is an edit:
    // valueEdited() reports it, and every value changed emits
    // parameterChanged() before the call returns.
    bool setValue(quint16 high, quint16 low, int part, int v);
    int minimum(quint16 high, quint16 low, int part) const;
    int maximum(quint16 high, quint16 low, int part) const;
    int defaultValue(quint16 high, quint16 low, int part) const;
    // The text of value v ("C3", "L63", "On", "12.5ms"), and the parameter's
    // name; both follow the current value of the block's type parameter.
    QString valueText(quint16 high, quint16 low, int part, int v) const;
    QString name(quint16 high, quint16 low, int part) const;
    // The parameter's name in full where name() is a short caption; equal to
    // name() when there is no longer one.
    QString fullName(quint16 high, quint16 low, int part) const;
    // Whether the parameter is used by the current type of its block.
    bool inUse(quint16 high, quint16 low, int part) const;
    bool isKnown(quint16 high, quint16 low, int part) const;
    // Whether the parameter selects the type of its block (its value changes
    // the names, ranges and use of the block's other parameters).
    bool isTypeParameter(quint16 high, quint16 low) const;

    // The same by address text; `part` stands for "FE" (fixed digits give their own).
    int value(const QString &address, int part = 0) const;
    bool setValue(const QString &address, int part, int v);
    QString valueText(const QString &address, int part, int v) const;
    QString name(const QString &address, int part = 0) const;
    QString fullName(const QString &address, int part = 0) const;
    bool inUse(const QString &address, int part = 0) const;

    // ---- Voices.
    // Every value of every block back to its default (edit buffer and stored
    // copy); emits editBufferLoaded().
    void resetToDefaults();
    // Copies the edit buffer to the stored copy that compare mode shows;
    // emits storedVoiceChanged().
    void storeVoice();
    // The stored copy's value, and whether the edit buffer differs from it.
    int storedValue(quint16 high, quint16 low, int part) const;
    bool differsFromStored(quint16 high, quint16 low, int part) const;
    // Loads a voice file written by saveVoice() into the edit buffer and the
    // stored copy (format and checks: voicefile.h). A file that cannot be
    // read, is damaged or does not match the schema gives false and an
    // *error naming the file and the fault, and changes nothing. Blocks and
    // parameters the file does not hold take their defaults. Emits
    // editBufferLoaded(voice type, 0) and a parameterChanged() per changed value.
    bool loadVoice(const QString &path, QString *error);
    // Writes the edit buffer (every block) atomically; on failure *error
    // gives the system's reason and the file at `path` stays as it was.
    bool saveVoice(const QString &path, QString *error) const;
    // The voice type of the voice in the edit buffer (1 to 3), set by
    // loadVoice() and setVoiceType(); used as the first argument of editBufferLoaded().
    int voiceType() const;
    void setVoiceType(int type);

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
    bool restoreValue(quint16 high, quint16 low, int part, int v);

    // ---- Compare mode: shows the stored copy (the voice last loaded, saved
    // or stored); edits are refused. Leaving it shows the edit buffer as it
    // was.
    void setCompareMode(bool on);
    bool compareMode() const;

    // The note name of drum key `key` (0 to 72): "C0" to "C6", as a drum
    // voice's keys are named everywhere.
    static QString drumKeyName(int key);
    // How a user counts part `part` of a block of `parts` parts: "element 2",
    // "key C1" (drum keys, by note), "part 3"; empty for a block of one part.
    static QString partName(int parts, int part);

    // ---- The current drum key (0 to 72); emits signalDrumKeyNoteChange(int) on change.
    void setCurrentDrumKey(int key);
    int currentDrumKey() const;

    // ---- Copy and paste of one value (TMemProxy::copyParameters/pasteParameters).
    void copyToClipboard(quint16 high, quint16 low, int part);
    bool pasteFromClipboard(quint16 high, quint16 low, int part);

    // ---- IMemAPI.
    QObject *voiceData() override;
    TResolvedAddress resolveAddress(const QString &address) override;
    void assignEditChannel(QWidget *dialog, int channel) override;
    int parameterText(quint16 part, int kind, QString &text, QPixmap &pixmap, int value,
                      int reserved, quint16 high, quint16 low) override;
    bool connectSignal(const char *signal, QObject *receiver, const char *member,
                       bool unique) override;

signals:
    // A voice was loaded into the edit buffer (or the memory was reset):
    // the voice type and 0.
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

private:
    friend class TMemProxy;
    // Called by TMemProxy.
    bool bindProxy(TMemProxy *proxy, int channel);
    void unbindProxy(TMemProxy *proxy);
    // The proxy is going away.
    void forgetProxy(TMemProxy *proxy);
    // Queues (high, low, part) for delivery, with the rest of the part when
    // it is a type parameter.
    // What a new type value of a type parameter does to the rest of its
    // part: an effect's parameters take the type's defaults, and every value
    // is kept within the range the type gives it.
    void applyType(quint16 high, quint16 low, int part, int type);
    void queueChange(quint16 high, quint16 low, int part);

    class Private;
    std::unique_ptr<Private> d;
};
