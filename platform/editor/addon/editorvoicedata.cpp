#include "addon/editorvoicedata.h"

#include <iterator>

EditorVoiceData::EditorVoiceData(QObject *parent)
    : QObject(parent)
{
}

namespace {

// Sixteen voices of each category, in this order, fill a preset bank.
const char *const categories[][2] = {
    { "Piano", "Pf" }, { "Chromatic", "Cp" }, { "Organ", "Or" }, { "Guitar", "Gt" },
    { "Bass", "Ba" },  { "Strings", "St" },   { "Brass", "Br" }, { "Synth Pad", "Pd" },
};

} // namespace

QList<EditorVoiceData::Bank> EditorVoiceData::banks()
{
    return {
        { 63, 0, QStringLiteral("PRE1") }, { 63, 1, QStringLiteral("PRE2") },
        { 63, 2, QStringLiteral("PRE3") }, { 63, 3, QStringLiteral("PRE4") },
        { 63, 8, QStringLiteral("USR1") }, { 63, 9, QStringLiteral("USR2") },
    };
}

QString EditorVoiceData::voiceBankText(int high, int middle)
{
    for (const Bank &bank : banks()) {
        if (bank.high == high && bank.middle == middle)
            return bank.name;
    }
    return QStringLiteral("Bank %1-%2").arg(high).arg(middle);
}

void EditorVoiceData::setCompareMode(bool on)
{
    const bool changed = on != m_compareMode;
    m_compareMode = on;
    if (changed)
        emit compareModeRequested(on);
    else
        emit compareModeWrittenBack(on);
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

// A preset voice is named by its category and its place in it; the user
// banks start out as initialised voices.
QString EditorVoiceData::voiceNameText(int high, int middle, int low, QString &secondText)
{
    const int category = (low / 16) % int(std::size(categories));
    secondText = QLatin1String(categories[category][1]);
    if (high == 63 && middle >= 8)
        return QStringLiteral("Init Voice");
    return QStringLiteral("%1 %2").arg(QLatin1String(categories[category][0])).arg(low % 16 + 1);
}

void EditorVoiceData::setVoiceType(int type)
{
    m_voiceType = type;
}
