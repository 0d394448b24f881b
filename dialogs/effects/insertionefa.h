#pragma once

#include "effectdialog.h"

// Insertion effect 1: the effect form on block "NormalCommonInsA".
class InsertionEFA : public EffectDialog
{
    Q_OBJECT

public:
    explicit InsertionEFA(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                          Qt::WindowFlags flags = Qt::WindowFlags());
};
