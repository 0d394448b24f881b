#pragma once

#include "effectdialog.h"

// The chorus: the effect form on block "NormalCommonChorus", with the return
// level, pan and send to the reverb on a second page.
class Chorus : public EffectDialog
{
    Q_OBJECT

public:
    explicit Chorus(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                    Qt::WindowFlags flags = Qt::WindowFlags());
};
