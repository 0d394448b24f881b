#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

class CHotspotLabel;
class CPopup;
class CSimpleNotifier;
class QTabWidget;

// Every parameter of one element (1 to 4) of a normal voice, on seven pages:
// oscillator, pitch, filter envelope, filter scaling, amplitude envelope,
// amplitude scaling and LFO. All addresses begin with "FE", so one form
// serves the four elements: the dialog's edit channel picks the element.
// The wave display names the element's wave and asks the host for the wave
// selection when clicked; the population helper reshapes the pages when the
// EQ type, the filter type, the key-on-delay tempo sync or the wave changes.
class ELDetail : public DetailDialog
{
    Q_OBJECT

public:
    enum { Width = 500, Height = 350 };

    explicit ELDetail(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());

    int element() const { return m_element; }

public slots:
    void connectMemAPI() override;
    virtual void setElement(const int element);
    virtual void waveChangedNormal(int);
    virtual void slotWaveTypeClicked();

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();
    void signalWaveTypeSelect(int element);
    void signalSetEditChannel(int channel);

protected slots:
    void languageChange() override;

protected:
    virtual void init();
    // Names the wave the notifier reports: a preset wave by the parameter
    // memory's name, a user wave as "User n", anything else not at all.
    virtual void updateWaveLabel(CSimpleNotifier *notifier, CHotspotLabel *label);

private:
    void setUpFocusChain();

    int m_element = 0;
    CSimpleNotifier *m_waveNotifier = nullptr;

    QTabWidget *tabWidget2;
    QWidget *m_pages[7];
    Form::Built m_form;
    CPopup *waveSelect;
    CHotspotLabel *cWaveLabel453;
    CPopup *cPullDownMenu455;
    CPopup *cPullDownMenu592;
};
