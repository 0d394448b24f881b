#pragma once

#include "dialogs/selectionwindow.h"

#include <QString>

#include <optional>

class EditorVoiceData;
class TParameterMemory;

// What the editor offers for a command a dialog sends: which parameter the
// selection sets, in which part, and the values to choose from.
struct HostSelection
{
    QString title;
    QString address;
    int part;
    QList<SelectionWindow::Choice> choices;
};

// The selection for a host command, or none for a command the editor does
// not answer with a selection:
//   17      drum voice of the current drum key
//   38      drum wave of the current drum key
//   10      arpeggio type of the voice being edited
//   42-45   wave of element 1 to 4
//   46-50   arpeggio type of SF assign 1 to 5
std::optional<HostSelection> selectionFor(int command, const TParameterMemory &memory,
                                          EditorVoiceData &voiceData);

// What a host command a dialog sends asks for, by name: "Drum key wave
// selection (38)"; a command the editor does not know is "Unknown command (99)".
QString hostCommandName(int command);
