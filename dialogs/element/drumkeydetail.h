#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

class CHotspotLabel;
class CSimpleNotifier;
class QTabWidget;

// The parameters of one key of a drum voice: the key the host reports as
// current, followed whenever the host selects another. All addresses begin
// with "FEkDrumKey", so the dialog's edit channel picks the key. The first
// page shows what the key plays: the wave display for a wave, the voice
// display (bank, number and name) for a voice; clicking either asks the host
// for its selection.
class DrumKeyDetail : public DetailDialog
{
    Q_OBJECT

public:
    enum { Width = 487, Height = 339 };

    explicit DrumKeyDetail(QWidget *parent = nullptr, const char *name = nullptr,
                           bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    void connectMemAPI() override;
    virtual void slotNoteChanged(int key);
    virtual void slotWaveSelectClicked();
    virtual void slotVoiceSelectClicked();
    virtual void slotWaveChanged(int);
    virtual void slotVoiceChanged(int);
    virtual void slotWaveTypeChanged(int);
    virtual void cPullDownMenu2250_slotWaveTypeChanged(int);
    virtual void OnEnterCompareMode(bool on);
    virtual void slotEQTypeChanged(int);

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();
    void signalDrumWaveTypeSelect();
    void signalDrumVoiceSelect();

protected slots:
    void languageChange() override;

protected:
    // Names the wave the notifier reports, as the parameter memory names it.
    virtual void updateDrumWaveLabel(CSimpleNotifier *notifier, CHotspotLabel *label);
    virtual void init();

private:
    QWidget *widget(const char *name) const;
    bool hostInCompareMode() const;

    QTabWidget *tabWidget2;
    QWidget *tab0;
    QWidget *tab0_2;
    Form::Built m_form;
    CHotspotLabel *cWaveLabel2252;
    CHotspotLabel *cDrumVoiceSelect2253;

    CSimpleNotifier *m_waveNumber = nullptr;
    CSimpleNotifier *m_waveType = nullptr;
    CSimpleNotifier *m_voiceNumber = nullptr;
    CSimpleNotifier *m_eqType = nullptr;
};
