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

    // Every value the memory reported, and every decision of process(), oldest first.
    QList<int> reported;
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
