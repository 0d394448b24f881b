#pragma once

#include "boardform.h"

#include <detaildialog.h>

// The native parameters of expansion board JW: mode, sustain curve,
// two-band EQ, reverb and chorus sends and the insertion effect's
// controls, on one page.
class XPB900JW : public DetailDialog
{
    Q_OBJECT

public:
    explicit XPB900JW(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
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
