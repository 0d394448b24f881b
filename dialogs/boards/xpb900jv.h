#pragma once

#include "boardform.h"

// The native parameters of expansion board JV: four note-select slots
// (note, tune, level, pan, insertion-effect switch, reverb send) in four
// columns, and the board's insertion effect on a second page.
class XPB900JV : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JV(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());
};
