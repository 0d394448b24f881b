#pragma once

#include "effectdialog.h"

// Insertion effect 2: the effect form on block "NormalCommonInsB".
class InsertionEFB : public EffectDialog
{
    Q_OBJECT

public:
    explicit InsertionEFB(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                          Qt::WindowFlags flags = Qt::WindowFlags());
};
