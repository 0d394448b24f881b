#pragma once

#include "addon/addonhost.h"

#include <voicetype.h>

#include <QKeySequence>
#include <QString>

#include <optional>

// Where the editor offers one of the add-on's entries: in the menu of the
// voice type it edits, in a group of that menu, under a musician's label.
struct EntryPlace
{
    enum Group { Elements, Effects, Common, Boards };

    VoiceType voiceType; // boards: Plugin
    Group group;
    QString label;         // "Element 2", "Reverb", "XPB900-JQ"
    QKeySequence shortcut; // the elements' (and the drum key's) Ctrl+digit, else none
};

EntryPlace entryPlace(const AddOnHost::Entry &entry);

// The voice type an entry number edits, none for a number outside the catalogue.
std::optional<VoiceType> entryVoiceType(int index);

// How many elements a voice of `type` has, as its dialogs edit
// them: four in a normal voice, the plug-in element (element 1) in a
// plug-in voice, none in a drum voice, whose sounds are its keys. The
// schema carries four of each element block for every type; the others
// belong to no voice.
int elementCount(VoiceType voiceType);
