#pragma once

#include "addon/addonhost.h"

#include <QKeySequence>
#include <QString>

// Where the editor offers one of the add-on's entries: in the menu of the
// voice type it edits, in a group of that menu, under a musician's label.
struct EntryPlace
{
    enum Group { Elements, Effects, Common, Boards };

    int voiceType;         // 1 normal, 2 plug-in, 3 drum (boards: plug-in)
    Group group;
    QString label;         // "Element 2", "Reverb", "XPB900-JQ"
    QKeySequence shortcut; // the elements' (and the drum key's) Ctrl+digit, else none
};

EntryPlace entryPlace(const AddOnHost::Entry &entry);

// The voice type an entry number edits, 0 for a number outside the catalogue.
int entryVoiceType(int index);

// How many elements a voice of `type` (1 to 3) has, as its dialogs edit
// them: four in a normal voice, the plug-in element (element 1) in a
// plug-in voice, none in a drum voice, whose sounds are its keys. The
// schema carries four of each element block for every type; the others
// belong to no voice.
int elementCount(int voiceType);
