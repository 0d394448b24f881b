#pragma once

#include "boardform.h"

#include <detaildialog.h>

// The native parameters of expansion board JK: carrier and modulator
// levels, feedback, portamento and pitch-bend steps, assignable
// controller 4 and system-exclusive reception, on one page.
class XPB900JK : public DetailDialog
{
    Q_OBJECT

public:
    explicit XPB900JK(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());

public slots:
    void connectMemAPI() override;

signals:
    void signalInitialise();
    void signalUpdateTabs();

protected slots:
    void languageChange() override;

private:
    BoardForm m_form;
};
