#pragma once

#include <imemapi.h>
#include <tmemproxy.h>

#include <QList>
#include <QWidget>

// The smallest control a dialog could put on a form: a widget that is a
// proxy of one parameter and records what the memory tells it.
class TestProxy : public QWidget, public TMemProxy, public IMemAPI::TSingleAddress
{
public:
    explicit TestProxy(QWidget *parent = nullptr, const QString &address = QString())
        : QWidget(parent)
        , TMemProxy(this)
    {
        if (!address.isEmpty())
            setNamedAddress(address);
    }

    void destroy(unsigned int deleteFlag) override
    {
        if (deleteFlag)
            delete this;
    }

    // Every value the memory reported, oldest first.
    QList<int> reported;
    // Every decision of process(), oldest first.
    QList<bool> visibilityDecisions;

    int lastReported() const { return reported.isEmpty() ? -1 : reported.last(); }

protected:
    void memoryValueChanged(int value) override { reported << value; }
    void applyVisibility(bool visible) override
    {
        visibilityDecisions << visible;
        TMemProxy::applyVisibility(visible);
    }
};

// A proxy's range and value as a dialog reads them.
struct ProxyInformation
{
    double value = -1e9;
    double minimum = -1e9;
    double maximum = -1e9;
    bool valid = false;
};

inline ProxyInformation informationOf(TMemProxyBasic &proxy)
{
    ProxyInformation info;
    proxy.getInformation(info.value, info.minimum, info.maximum, info.valid);
    return info;
}
