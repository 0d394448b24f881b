#pragma once

#include <izintavoicedata.h>

#include <QObject>
#include <QStringList>

// The host's voice data as a test controls it.
class TestVoiceData : public QObject, public IZintaVoiceData
{
    Q_OBJECT

public:
    VESTRA_ZINTA_VOICE_DATA_PLACEHOLDERS

    QString voiceBankText(int high, int middle) override
    {
        return QStringLiteral("BANK%1-%2").arg(high).arg(middle);
    }
    void setCompareMode(bool on) override
    {
        compareMode = on;
        ++compareModeWrites;
    }
    bool isCompareMode() override { return compareMode; }
    int currentDrumKey() override { return drumKey; }
    void voiceTypeText(std::uint64_t *, QString &text) override { text = voiceType; }
    void nativeDialogClosed(const QString &boardModel) override { closedBoards << boardModel; }
    QString voiceNameText(int high, int middle, int low, QString &secondText) override
    {
        secondText = QStringLiteral("Cat%1").arg(high);
        return QStringLiteral("Voice %1.%2.%3").arg(high).arg(middle).arg(low);
    }

    bool compareMode = false;
    int compareModeWrites = 0;
    int drumKey = 0;
    QString voiceType = QStringLiteral("Normal");
    QStringList closedBoards;
};
