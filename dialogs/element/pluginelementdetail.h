#pragma once

#include <detaildialog.h>
#include <formbuilder.h>

class QTabWidget;

// Fourteen element parameters of a plug-in voice: velocity sensitivity, the
// high-pass filter, a simple pitch envelope, the pitch LFO and a two-band EQ.
// Its addresses name the normal-voice element block; the binding rewrites
// them to the plug-in block of the voice being edited.
class PluginElementDetail : public DetailDialog
{
    Q_OBJECT

public:
    enum { Width = 487, Height = 339 };

    explicit PluginElementDetail(QWidget *parent = nullptr, const char *name = nullptr,
                                 bool modal = false, Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    void connectMemAPI() override;

signals:
    void signalRegisterNotifier(QString address, bool bCanFlush);
    void signalInitialise();
    void signalUpdateTabs();

protected slots:
    void languageChange() override;

private:
    QTabWidget *tabWidget2;
    QWidget *tab0;
    Form::Built m_form;
};
