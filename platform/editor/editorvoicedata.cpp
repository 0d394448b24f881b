#include "editorvoicedata.h"

EditorVoiceData::EditorVoiceData(QObject *parent)
    : QObject(parent)
{
}

QString EditorVoiceData::voiceBankText(int high, int middle)
{
    return QStringLiteral("Bank %1-%2").arg(high).arg(middle);
}

void EditorVoiceData::setCompareMode(bool on)
{
    const bool changed = on != m_compareMode;
    m_compareMode = on;
    if (changed)
        emit compareModeRequested(on);
}

void EditorVoiceData::voiceTypeText(std::uint64_t *, QString &text)
{
    switch (m_voiceType) {
    case 2:
        text = QStringLiteral("Plugin");
        break;
    case 3:
        text = QStringLiteral("Drum");
        break;
    default:
        text = QStringLiteral("Normal");
        break;
    }
}

void EditorVoiceData::nativeDialogClosed(const QString &boardModel)
{
    emit boardDialogClosed(boardModel);
}

QString EditorVoiceData::voiceNameText(int high, int middle, int low, QString &secondText)
{
    secondText = QStringLiteral("Category %1").arg(high);
    return QStringLiteral("Voice %1:%2:%3").arg(high).arg(middle).arg(low + 1);
}

void EditorVoiceData::setVoiceType(int type)
{
    m_voiceType = type;
}
