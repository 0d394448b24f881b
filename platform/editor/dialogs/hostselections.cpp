#include "dialogs/hostselections.h"

#include "addon/editorvoicedata.h"

#include <ihostcommandtarget.h>
#include <partnames.h>
#include <tparametermemory.h>

#include <QCoreApplication>

namespace {

// The ranges of numbers that name something: presets, then user entries.
constexpr int lastPresetWave = 1859;
constexpr int lastPresetArpeggio = 1786;
constexpr int firstUser = 8192;
constexpr int userCount = 256;

QList<SelectionWindow::Choice> memoryTexts(const TParameterMemory &memory, const QString &address,
                                           int part, int lastPreset)
{
    QList<SelectionWindow::Choice> choices;
    choices.reserve(lastPreset + 1 + userCount);
    for (int v = 0; v <= lastPreset; ++v)
        choices.append({ v, memory.valueText(address, part, v) });
    for (int v = firstUser; v < firstUser + userCount; ++v)
        choices.append({ v, QStringLiteral("User %1").arg(v - firstUser + 1) });
    return choices;
}

QList<SelectionWindow::Choice> voices(EditorVoiceData &voiceData)
{
    QList<SelectionWindow::Choice> choices;
    for (const EditorVoiceData::Bank &bank : EditorVoiceData::banks()) {
        for (int p = 0; p < EditorVoiceData::voicesPerBank; ++p) {
            QString second;
            const QString name = voiceData.voiceNameText(bank.high, bank.middle, p, second);
            choices.append({ (bank.high << 16) | (bank.middle << 8) | p,
                             QStringLiteral("%1 %2 %3 %4")
                                 .arg(bank.name)
                                 .arg(p + 1, 3, 10, QLatin1Char('0'))
                                 .arg(second, name) });
        }
    }
    return choices;
}

// The common block's arpeggio parameter `word` in the current voice type's form.
QString arpeggioAddress(int voiceType, const QString &word)
{
    switch (voiceType) {
    case 2:
        return QStringLiteral("00kPluginCommonExtra/kPlgCom") + word;
    case 3:
        return QStringLiteral("00kDrumCommonExtra/kDrmCom") + word;
    default:
        return QStringLiteral("00kNormalCommonExtra/kNrmCom") + word;
    }
}

} // namespace

std::optional<HostSelection> selectionFor(int command, const TParameterMemory &memory,
                                          EditorVoiceData &voiceData)
{
    const int key = voiceData.currentDrumKey();
    const QString keyName = PartNames::drumKeyName(key);
    if (command >= 42 && command <= 45) {
        const int element = command - 41;
        const QString address = QStringLiteral("FEkNormalElement/kNrmElmWaveNumber");
        return HostSelection{ QObject::tr("Wave of element %1").arg(element), address, element - 1,
                              memoryTexts(memory, address, element - 1, lastPresetWave) };
    }
    if (command == 38) {
        const QString address = QStringLiteral("FEkDrumKey/kDrmKeyWaveNumber");
        return HostSelection{ QObject::tr("Wave of drum key %1").arg(keyName), address, key,
                              memoryTexts(memory, address, key, lastPresetWave) };
    }
    if (command == 17) {
        return HostSelection{ QObject::tr("Voice of drum key %1").arg(keyName),
                              QStringLiteral("FEkDrumKey/kDrmKeyVoiceNumber"), key,
                              voices(voiceData) };
    }
    if (command == 10 || (command >= 46 && command <= 50)) {
        const QString word =
            command == 10 ? QStringLiteral("ARPType") : QStringLiteral("ARPSF%1").arg(command - 45);
        const QString address = arpeggioAddress(int(memory.voiceType()), word);
        const QString title = command == 10 ? QObject::tr("Arpeggio type")
                                            : QObject::tr("SF %1 arpeggio type").arg(command - 45);
        return HostSelection{ title, address, 0,
                              memoryTexts(memory, address, 0, lastPresetArpeggio) };
    }
    return std::nullopt;
}

QString hostCommandName(int command)
{
    using namespace HostCommand;
    QString what;
    if (command > WaveSelectBase && command <= WaveSelectBase + 4)
        what = QCoreApplication::translate("HostCommand", "Element %1 wave selection")
                   .arg(command - WaveSelectBase);
    else if (command > SFAssignTypeSelectBase && command <= SFAssignTypeSelectBase + 5)
        what = QCoreApplication::translate("HostCommand", "SF %1 arpeggio type selection")
                   .arg(command - SFAssignTypeSelectBase);
    else if (command == ArpeggioTypeSelect)
        what = QCoreApplication::translate("HostCommand", "Arpeggio type selection");
    else if (command == DrumVoiceSelect)
        what = QCoreApplication::translate("HostCommand", "Drum key voice selection");
    else if (command == DrumWaveSelect)
        what = QCoreApplication::translate("HostCommand", "Drum key wave selection");
    else
        what = QCoreApplication::translate("HostCommand", "Unknown command");
    return QStringLiteral("%1 (%2)").arg(what).arg(command);
}
