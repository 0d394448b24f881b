#pragma once

#include "effectdialog.h"

// The reverb: the effect form on block "NormalCommonReverb", with the return
// level and pan on a second page.
class Reverb : public EffectDialog
{
    Q_OBJECT

public:
    explicit Reverb(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                    Qt::WindowFlags flags = Qt::WindowFlags());
};
