#pragma once

#include "boardform.h"

#include <detaildialog.h>

// The native parameters of expansion board JX: filter envelope depth
// and the controller number and depth of each performance control, on
// one page.
class XPB900JX : public DetailDialog
{
    Q_OBJECT

public:
    explicit XPB900JX(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
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
