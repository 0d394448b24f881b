#pragma once

#include "boardform.h"

// The native parameters of expansion board JY: mode, sustain curve,
// two-band EQ, element levels and the assignable controller's element
// levels, and its effects on a second page.
class XPB900JY : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JY(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
