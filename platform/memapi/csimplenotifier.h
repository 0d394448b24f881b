#pragma once

#include "memapi_export.h"
#include "tmemproxy.h"

#include <QObject>

// Watches one parameter of the parameter memory and calls a receiver's member
// whenever its value changes. It dies with its parent object.
//
//     auto *n = new CSimpleNotifier(dialog, nullptr);
//     CSimpleNotifier::Create(memAPI, dialog, "FEkNormalElement/kNrmElmWaveNumber",
//                             2, "1waveChangedNormal(int)", n, nullptr);
//
// Create() reports the current value once at once, then every change. A
// member taking an int receives the new value; the receiver may also read it
// with getValue(). A notifier on an "FE" address is re-targeted with its
// dialog by IMemAPI::assignEditChannel().
class VESTRA_MEMAPI_EXPORT CSimpleNotifier : public QObject,
                                             public TMemProxy,
                                             public IMemAPI::TSingleAddress
{
    Q_OBJECT

public:
    CSimpleNotifier(QObject *parent, const char *name);
    ~CSimpleNotifier() override;

    // Binds `notifier` to `address` (`part` standing for "FE") in memAPI and
    // connects its changes to receiver's `member` (a Qt slot signature text,
    // "1slotUpdateTabs()"). `context` is not used. Returns false, binding
    // nothing, when the address is unknown or the member does not exist.
    static bool Create(IMemAPI *memAPI, QObject *receiver, const QString &address, int part,
                       const char *member, CSimpleNotifier *notifier, void *context);

    void destroy(unsigned int deleteFlag) override;

    // Its own operations, after those of QObject.
    virtual void setValue(int value);
    virtual int getValue();
    virtual void triggerValueChanged();
    virtual int clipWithinRange(int value);
    virtual bool inActiveMode();

signals:
    void valueChanged(int value);

protected:
    void memoryValueChanged(int value) override;
    void applyVisibility(bool visible) override;

private:
    int m_value = 0;
};
