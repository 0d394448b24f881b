#pragma once

#include "guardedmemapi.h"
#include "labeladdressmap.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>

#include <map>
#include <utility>
#include <vector>

class CSimpleNotifier;
class IMemAPI;
class QLabel;
class QWidget;

// Fills one dialog's form from the parameter memory and keeps it current.
//
// Once, when the dialog asks for it (slotInitialise()), it registers the
// labels of every page and finds each control's companion label. On every
// refresh (slotUpdateTabs()) it gives name labels their parameter's name,
// rebuilds the item lists of pull-down menus and popups, lets every control
// re-read its parameter and show or hide itself, and shows a companion label
// exactly when its control is shown. It also greys the form in compare mode
// and watches parameters on the dialog's request.
//
// The pages are those of every QTabWidget that is a direct child of the dialog.
class DetailDialogsPopulationHelper : public QObject
{
    Q_OBJECT

public:
    explicit DetailDialogsPopulationHelper(QObject *dialog);
    ~DetailDialogsPopulationHelper() override;

    void setMemAPI(IMemAPI *memAPI);
    // Records the voice type and rewrites the form's addresses for it.
    // Ignored for 0, or without a dialog or a parameter memory.
    void setVoiceType(int voiceType);
    void setLabelAddressMap(LabelAddressMap *map);

    bool isInitialised() const { return m_initialised; }
    int editChannel() const { return m_editChannel; }

public slots:
    void slotUpdateTabs();
    void slotInitialise();
    void slotRegisterNotifier(QString address, bool bCanFlush);
    void slotEnterCompareMode(bool on);
    void slotSetEditChannel(int channel);
    void slotOnEditBufferLoaded(short, short voice);

private:
    struct LabelEntry
    {
        QLabel *label;
        QString address;
        bool bound;
    };
    struct Companion
    {
        QWidget *widget;
        QLabel *label;
    };
    // Registries are ordered by page, then by the child's place on its page.
    using Key = std::pair<int, int>;

    QList<QWidget *> pages() const;
    void populateLists(QWidget *page);
    void registerLabels(int pageIndex, QWidget *page);
    void findCompanions(int pageIndex, QWidget *page);
    void displayNames(int pageIndex);
    void updateVisibility(int pageIndex);

    QPointer<QObject> m_dialog;
    GuardedMemAPI m_memAPI;
    bool m_initialised = false;
    int m_voiceType = 0;
    LabelAddressMap *m_labelAddressMap = nullptr;
    int m_refreshDepth = 0;
    int m_editChannel = 0;
    std::map<Key, LabelEntry> m_labels;
    std::map<Key, Companion> m_companions;
    QPixmap m_faderImage;
    std::vector<CSimpleNotifier *> m_flushableNotifiers;
};
