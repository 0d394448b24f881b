#pragma once

#include "boardform.h"

// The native parameters of expansion board JK: carrier and modulator
// levels, feedback, portamento and pitch-bend steps, assignable
// controller 4 and system-exclusive reception, on one page.
class XPB900JK : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JK(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
