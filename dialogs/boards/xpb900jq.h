#pragma once

#include "boardform.h"

// The native parameters of expansion board JQ's voice engine: unison,
// arpeggio and step sequencer, oscillators, mixer, distortion and
// assignable controller on the first page, the filter and amplitude
// envelopes on the second.
class XPB900JQ : public BoardDialog
{
    Q_OBJECT

public:
    explicit XPB900JQ(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                      Qt::WindowFlags flags = Qt::WindowFlags());

signals:
    // Declared as the other detail dialogs declare it; never emitted.
    void signalRegisterNotifier(QString address, bool bCanFlush);
};
