#pragma once

#include "boardform.h"

#include <detaildialog.h>

// The native parameters of expansion board JV: four note-select slots
// (note, tune, level, pan, insertion-effect switch, reverb send) in four
// columns, and the board's insertion effect on a second page.
class XPB900JV : public DetailDialog
{
    Q_OBJECT

public:
    explicit XPB900JV(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
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
