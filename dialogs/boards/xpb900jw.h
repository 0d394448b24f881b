#pragma once

#include "boardform.h"

// The native parameters of expansion board JW: mode, sustain curve,
// two-band EQ, reverb and chorus sends and the insertion effect's
// controls, on one page.
class XPB900JW : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JW(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
