#pragma once

#include <QObject>

class IHostCommandTarget;

// Turns a dialog's selection requests into host commands, so that the host
// opens its own selection window (arpeggio type, wave, drum voice ...).
// Without a host command interface every request is ignored.
class DetailDialogsSlotHelper : public QObject
{
    Q_OBJECT

public:
    explicit DetailDialogsSlotHelper(IHostCommandTarget *commands);

public slots:
    void slotArpTypeSelect();
    // Elements 0 to 4 only; any other number sends nothing.
    void slotWaveTypeSelect(int element);
    void slotDrumWaveTypeSelect();
    void slotDrumVoiceSelect();
    void slotArpSFAssignTypeSelect(int slot);

private:
    void send(int command);

    IHostCommandTarget *m_commands;
};
