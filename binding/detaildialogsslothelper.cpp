#include "detaildialogsslothelper.h"

#include <guids.h>
#include <ihostcommandtarget.h>

DetailDialogsSlotHelper::DetailDialogsSlotHelper(IHostCommandTarget *commands)
    : m_commands(commands)
{
}

void DetailDialogsSlotHelper::slotArpTypeSelect()
{
    send(HostCommand::ArpeggioTypeSelect);
}

void DetailDialogsSlotHelper::slotWaveTypeSelect(int element)
{
    if (element >= 0 && element <= 4)
        send(HostCommand::WaveSelectBase + element);
}

void DetailDialogsSlotHelper::slotDrumWaveTypeSelect()
{
    send(HostCommand::DrumWaveSelect);
}

void DetailDialogsSlotHelper::slotDrumVoiceSelect()
{
    send(HostCommand::DrumVoiceSelect);
}

void DetailDialogsSlotHelper::slotArpSFAssignTypeSelect(int slot)
{
    send(HostCommand::SFAssignTypeSelectBase + slot);
}

void DetailDialogsSlotHelper::send(int command)
{
    if (!m_commands)
        return;
    const W_GUID group = VestraGuids::hostCommandGroup();
    std::uint64_t reply = 0;
    m_commands->executeCommand(&group, command, &reply, 0, true);
}
