#pragma once

#include "memapi_export.h"

#include <QtGlobal>

class QObject;
class QPixmap;
class QString;
class QWidget;

// The parameter memory as a dialog sees it: one object per host, handed to
// every dialog. It resolves parameter addresses, formats values and names,
// binds a dialog's controls to the part they edit, and offers its signals
//   "editBufferLoaded(short, short)"  a voice was loaded into the edit buffer
//   "enterCompareMode(bool)"          compare mode was switched on or off
//   "signalDrumKeyNoteChange(int)"    the host's current drum key changed
// to connectSignal().
//
// The order of declaration is the contract: callers reach the named
// operations by position (the slot numbers below). The placeholders stand for
// operations of the memory that dialogs do not call.
class VESTRA_MEMAPI_EXPORT IMemAPI
{
public:
    // An address resolved to numbers: the block and parameter (high, low) and
    // the part. A part whose 16 bits read as a negative number stands for the
    // part that the dialog edits (the "FE" prefix).
    struct TSingleAddress
    {
        quint16 high = 0;
        quint16 part = 0;
        quint16 low = 0;
    };

    // What resolveAddress() returns: `addresses` is null for an address the
    // memory does not know; otherwise it points to an array of `count` (1)
    // triples made with new[], which the caller frees with delete[].
    struct TResolvedAddress
    {
        int count = 0;
        TSingleAddress *addresses = nullptr;
    };

    // Parameter texts that parameterText() gives.
    enum TextKind { ValueText = 0, NameText = 1 };

    virtual void reserved0();
    virtual void reserved1();
    virtual void reserved2();
    virtual void reserved3();
    virtual void reserved4();
    virtual void reserved5();
    virtual void reserved6();
    virtual void reserved7();
    virtual void reserved8();
    virtual void reserved9();
    virtual void reserved10();
    virtual void reserved11();
    virtual void reserved12();
    virtual void reserved13();
    virtual void reserved14();
    virtual void reserved15();
    virtual void reserved16();
    virtual void reserved17();
    virtual void reserved18();
    virtual void reserved19();

    // Slot 20. The host's voice data: a QObject that also implements the
    // host's IZintaVoiceData; null when the host gave none.
    virtual QObject *voiceData() = 0;

    virtual void reserved21();
    virtual void reserved22();
    virtual void reserved23();
    virtual void reserved24();
    virtual void reserved25();
    virtual void reserved26();
    virtual void reserved27();
    virtual void reserved28();
    virtual void reserved29();
    virtual void reserved30();
    virtual void reserved31();
    virtual void reserved32();
    virtual void reserved33();
    virtual void reserved34();
    virtual void reserved35();
    virtual void reserved36();
    virtual void reserved37();
    virtual void reserved38();
    virtual void reserved39();
    virtual void reserved40();
    virtual void reserved41();

    // Slot 42. Resolves an address text such as
    // "FEkNormalElement/kNrmElmWaveNumber" (see TResolvedAddress).
    virtual TResolvedAddress resolveAddress(const QString &address) = 0;

    virtual void reserved43();

    // Slot 44. Binds every control and notifier among the descendants of
    // `dialog` to its parameter, with `channel` as the part of its "FE"
    // addresses. Calling it again re-targets everything already bound.
    virtual void assignEditChannel(QWidget *dialog, int channel) = 0;

    virtual void reserved45();
    virtual void reserved46();
    virtual void reserved47();
    virtual void reserved48();
    virtual void reserved49();
    virtual void reserved50();
    virtual void reserved51();
    virtual void reserved52();
    virtual void reserved53();
    virtual void reserved54();
    virtual void reserved55();
    virtual void reserved56();
    virtual void reserved57();
    virtual void reserved58();
    virtual void reserved59();
    virtual void reserved60();
    virtual void reserved61();
    virtual void reserved62();
    virtual void reserved63();

    // Slot 64. A text of the parameter (high, low) of `part`: for ValueText
    // the text of `value` (such as "C3", "L63", "On"), for NameText the
    // parameter's name. `pixmap` receives an image where the parameter has
    // one (none so far); `reserved` is 0. Returns 0 on success, non-zero when
    // the parameter is unknown (text is then left as it was).
    virtual int parameterText(quint16 part, int kind, QString &text, QPixmap &pixmap, int value,
                              int reserved, quint16 high, quint16 low) = 0;

    virtual void reserved65();
    virtual void reserved66();
    virtual void reserved67();
    virtual void reserved68();
    virtual void reserved69();
    virtual void reserved70();
    virtual void reserved71();
    virtual void reserved72();
    virtual void reserved73();

    // Slot 74. Connects one of the memory's signals to receiver's member,
    // both given as Qt signature texts ("2enterCompareMode(bool)",
    // "1slotEnterCompareMode(bool)"). Returns false, and connects nothing,
    // when either does not exist.
    virtual bool connectSignal(const char *signal, QObject *receiver, const char *member,
                               bool unique) = 0;

protected:
    ~IMemAPI() = default;
};
