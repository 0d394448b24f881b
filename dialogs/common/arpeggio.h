#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

class CHotspotLabel;
class CPopup;
class CSimpleNotifier;
class QLabel;
class QTabWidget;

// The arpeggio settings of the voice common block: sixteen slider-and-fader
// rows, and read-only displays of the arpeggio type and the five types
// assigned to the SF slots. The dialog watches the type parameters of all
// three voice types, names each type number ("Preset" or "User" and the
// type's name, or "No Type") and shows the name only when it belongs to the
// type of the voice being edited. A click on a display asks the host for its
// arpeggio type selector.
class Arpeggio : public DetailDialog
{
    Q_OBJECT

public:
    explicit Arpeggio(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());

    enum { SlotCount = 5 };

public slots:
    void connectMemAPI() override;
    void slotArpTypeClicked();
    void arpChangedNormal(int);
    void arpChangedDrum(int);
    void arpChangedPlugin(int);
    void slotSFAssign1Clicked();
    void slotSFAssign2Clicked();
    void slotSFAssign3Clicked();
    void slotSFAssign4Clicked();
    void slotSFAssign5Clicked();
    void sf1AssignChangedNormal(int);
    void sf2AssignChangedNormal(int);
    void sf3AssignChangedNormal(int);
    void sf4AssignChangedNormal(int);
    void sf5AssignChangedNormal(int);
    void sf1AssignChangedDrum(int);
    void sf2AssignChangedDrum(int);
    void sf3AssignChangedDrum(int);
    void sf4AssignChangedDrum(int);
    void sf5AssignChangedDrum(int);
    void sf1AssignChangedPlugin(int);
    void sf2AssignChangedPlugin(int);
    void sf3AssignChangedPlugin(int);
    void sf4AssignChangedPlugin(int);
    void sf5AssignChangedPlugin(int);

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalArpTypeSelect();
    void signalUpdateTabs();
    void signalArpSFAssignTypeSelect(int slot);

protected:
    // Hides and unbinds the bank selector; the displays' first line stands
    // in for it.
    virtual void init();
    // Shows in `label` the name of the type number that `value` watches,
    // looked up in the value table of the type parameter that `type`
    // watches, when `value` belongs to the voice being edited.
    virtual void updateTypeDisplay(CSimpleNotifier *value, CSimpleNotifier *type, QLabel *label);

protected slots:
    void languageChange() override;

private:
    // The notifiers of one voice type.
    struct Watch
    {
        CSimpleNotifier *type = nullptr;
        CSimpleNotifier *sf[SlotCount] = {};
    };
    enum VoiceIndex { Normal, Drum, Plugin };

    void sfAssignChanged(VoiceIndex voice, int slot);
    void createNotifiers();

    QTabWidget *tabWidget2;
    QWidget *tab0;
    QWidget *tab1;
    Form::Built m_arpeggioPage;
    Form::Built m_sfAssignPage;
    QLabel *textLabel2425;
    CHotspotLabel *cWaveLabel2442;
    QLabel *textLabelARPBank;
    CPopup *cPullDownMenuARPBank;
    CHotspotLabel *m_sfDisplays[SlotCount];
    Watch m_watch[3];
};
