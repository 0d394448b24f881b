#pragma once

#include "boardform.h"

// The native parameters of expansion board JZ: four note-select slots
// (note, tune, level, pan, insertion-effect switch, reverb send) in four
// columns, and the board's insertion effect on a second page.
class XPB900JZ : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JZ(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
