#pragma once

#include "hresult.h"

#include <QString>

#include <cstdint>

// The host editor's voice data: what the host knows about the voice being
// edited beyond its parameters. The parameter memory's voiceData() returns a
// QObject that also implements this interface; the add-on reaches it with a
// run-time cast.
//
// The order of declaration is the contract: the add-on calls the named
// operations by position; the placeholders are the host's own operations.
class VESTRA_INTERFACE IZintaVoiceData
{
public:
    virtual void reserved0() = 0; // slot 0
    virtual void reserved1() = 0; // slot 1
    virtual void reserved2() = 0; // slot 2
    virtual void reserved3() = 0; // slot 3
    virtual void reserved4() = 0; // slot 4
    virtual void reserved5() = 0; // slot 5
    virtual void reserved6() = 0; // slot 6
    virtual void reserved7() = 0; // slot 7

    // Slot 8. The text of a voice bank, given the high and middle byte of a
    // voice number.
    virtual QString voiceBankText(int high, int middle) = 0;

    virtual void reserved9() = 0;  // slot 9
    virtual void reserved10() = 0; // slot 10
    virtual void reserved11() = 0; // slot 11
    virtual void reserved12() = 0; // slot 12
    virtual void reserved13() = 0; // slot 13
    virtual void reserved14() = 0; // slot 14
    virtual void reserved15() = 0; // slot 15
    virtual void reserved16() = 0; // slot 16

    // Slot 17. Sets the host's compare-mode flag.
    virtual void setCompareMode(bool on) = 0;
    // Slot 18. The host's compare-mode flag: true while the stored voice is shown.
    virtual bool isCompareMode() = 0;

    virtual void reserved19() = 0; // slot 19
    virtual void reserved20() = 0; // slot 20
    virtual void reserved21() = 0; // slot 21
    virtual void reserved22() = 0; // slot 22
    virtual void reserved23() = 0; // slot 23
    virtual void reserved24() = 0; // slot 24
    virtual void reserved25() = 0; // slot 25
    virtual void reserved26() = 0; // slot 26
    virtual void reserved27() = 0; // slot 27
    virtual void reserved28() = 0; // slot 28

    // Slot 29. The drum key being edited: the part of every "FEkDrumKey" address.
    virtual int currentDrumKey() = 0;

    virtual void reserved30() = 0; // slot 30
    virtual void reserved31() = 0; // slot 31
    virtual void reserved32() = 0; // slot 32
    virtual void reserved33() = 0; // slot 33
    virtual void reserved34() = 0; // slot 34
    virtual void reserved35() = 0; // slot 35
    virtual void reserved36() = 0; // slot 36
    virtual void reserved37() = 0; // slot 37
    virtual void reserved38() = 0; // slot 38

    // Slot 39. Stores in text a word that names the type of the voice being
    // edited, as it stands in that type's parameter addresses ("Normal",
    // "Plugin" or "Drum"). word points to a 64-bit word the caller does not read.
    virtual void voiceTypeText(std::uint64_t *word, QString &text) = 0;

    virtual void reserved40() = 0; // slot 40
    virtual void reserved41() = 0; // slot 41
    virtual void reserved42() = 0; // slot 42
    virtual void reserved43() = 0; // slot 43
    virtual void reserved44() = 0; // slot 44
    virtual void reserved45() = 0; // slot 45
    virtual void reserved46() = 0; // slot 46
    virtual void reserved47() = 0; // slot 47

    // Slot 48. An expansion-board dialog was closed; boardModel is its model
    // name, "XPB900-JQ" to "XPB900-JX".
    virtual void nativeDialogClosed(const QString &boardModel) = 0;

    virtual void reserved49() = 0; // slot 49
    virtual void reserved50() = 0; // slot 50
    virtual void reserved51() = 0; // slot 51
    virtual void reserved52() = 0; // slot 52
    virtual void reserved53() = 0; // slot 53
    virtual void reserved54() = 0; // slot 54
    virtual void reserved55() = 0; // slot 55
    virtual void reserved56() = 0; // slot 56

    // Slot 57. The name of the voice with number (high, middle, low); stores a
    // second text (the voice's category) in secondText.
    virtual QString voiceNameText(int high, int middle, int low, QString &secondText) = 0;

protected:
    ~IZintaVoiceData() = default;
};

// Implements the placeholder slots of IZintaVoiceData in a host class.
#define VESTRA_ZINTA_VOICE_DATA_PLACEHOLDERS                                                       \
    void reserved0() override {}                                                                   \
    void reserved1() override {}                                                                   \
    void reserved2() override {}                                                                   \
    void reserved3() override {}                                                                   \
    void reserved4() override {}                                                                   \
    void reserved5() override {}                                                                   \
    void reserved6() override {}                                                                   \
    void reserved7() override {}                                                                   \
    void reserved9() override {}                                                                   \
    void reserved10() override {}                                                                  \
    void reserved11() override {}                                                                  \
    void reserved12() override {}                                                                  \
    void reserved13() override {}                                                                  \
    void reserved14() override {}                                                                  \
    void reserved15() override {}                                                                  \
    void reserved16() override {}                                                                  \
    void reserved19() override {}                                                                  \
    void reserved20() override {}                                                                  \
    void reserved21() override {}                                                                  \
    void reserved22() override {}                                                                  \
    void reserved23() override {}                                                                  \
    void reserved24() override {}                                                                  \
    void reserved25() override {}                                                                  \
    void reserved26() override {}                                                                  \
    void reserved27() override {}                                                                  \
    void reserved28() override {}                                                                  \
    void reserved30() override {}                                                                  \
    void reserved31() override {}                                                                  \
    void reserved32() override {}                                                                  \
    void reserved33() override {}                                                                  \
    void reserved34() override {}                                                                  \
    void reserved35() override {}                                                                  \
    void reserved36() override {}                                                                  \
    void reserved37() override {}                                                                  \
    void reserved38() override {}                                                                  \
    void reserved40() override {}                                                                  \
    void reserved41() override {}                                                                  \
    void reserved42() override {}                                                                  \
    void reserved43() override {}                                                                  \
    void reserved44() override {}                                                                  \
    void reserved45() override {}                                                                  \
    void reserved46() override {}                                                                  \
    void reserved47() override {}                                                                  \
    void reserved49() override {}                                                                  \
    void reserved50() override {}                                                                  \
    void reserved51() override {}                                                                  \
    void reserved52() override {}                                                                  \
    void reserved53() override {}                                                                  \
    void reserved54() override {}                                                                  \
    void reserved55() override {}                                                                  \
    void reserved56() override {}
