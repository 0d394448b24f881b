#pragma once

#include <izintavoicedata.h>

#include <QList>
#include <QObject>
#include <QStringList>

// The voice data the editor gives the add-on's dialogs: the voice type's
// name, the current drum key, the compare-mode flag, and the texts of
// voice banks and names.
class EditorVoiceData : public QObject, public IZintaVoiceData
{
    Q_OBJECT

public:
    explicit EditorVoiceData(QObject *parent = nullptr);

    VESTRA_ZINTA_VOICE_DATA_PLACEHOLDERS

    QString voiceBankText(int high, int middle) override;
    void setCompareMode(bool on) override;
    bool isCompareMode() override { return m_compareMode; }
    int currentDrumKey() override { return m_drumKey; }
    void voiceTypeText(std::uint64_t *word, QString &text) override;
    void nativeDialogClosed(const QString &boardModel) override;
    QString voiceNameText(int high, int middle, int low, QString &secondText) override;

    // The voice banks the editor knows, by their high and middle byte.
    struct Bank
    {
        int high;
        int middle;
        QString name;
    };
    static QList<Bank> banks();
    static constexpr int voicesPerBank = 128;

    void setVoiceType(int type);
    int voiceType() const { return m_voiceType; }
    void setCurrentDrumKey(int key) { m_drumKey = key; }

signals:
    // A dialog asked for compare mode to be switched.
    void compareModeRequested(bool on);
    // A dialog wrote back the flag it read, as it does when it opens.
    void compareModeWrittenBack(bool on);
    // An expansion board's native dialog was closed.
    void boardDialogClosed(const QString &boardModel);

private:
    int m_voiceType = 1;
    int m_drumKey = 0;
    bool m_compareMode = false;
};
