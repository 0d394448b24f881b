#pragma once

#include "labeladdressmap.h"

class QObject;

// Rewrites the address of every control of a form for the dialog's voice
// type: the direct children of the dialog and of every page of its tab
// widgets (direct children of the dialog). Deeper children keep theirs.
void rewriteFormAddresses(QObject *dialog, int voiceType);

// Enters every descendant label whose text is an address in the map, under
// the label's object name, without overwriting an entry.
void collectAddressLabels(QObject *dialog, LabelAddressMap &map);
