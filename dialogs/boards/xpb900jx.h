#pragma once

#include "boardform.h"

// The native parameters of expansion board JX: filter envelope depth
// and the controller number and depth of each performance control, on
// one page.
class XPB900JX : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JX(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
