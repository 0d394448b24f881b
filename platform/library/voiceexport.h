#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

#include <vector>

class VoiceLibrary;

// Writing library voices to a folder as voice files, one per voice, named
// after the voice.
namespace VoiceExport {

// A file name for a voice named `name` that every file system takes (no
// separators, control or reserved characters, no reserved device names, no
// trailing dot or space, at most 60 characters) and that differs, regardless
// of case, from those in `taken`, which receives it. Ends in ".json".
QString fileName(const QString &name, QSet<QString> *taken);

// Writes voices `ids` into `folder` (made when missing) next to the files
// already there; returns how many were written, with a line per failure in
// *errors.
int write(const VoiceLibrary &library, const std::vector<qint64> &ids, const QString &folder,
          QStringList *errors);

} // namespace VoiceExport
