#pragma once

#include <QJsonObject>
#include <QString>

class QMimeData;
struct SoundBlock;
class TParameterMemory;

// A block's contents on the system clipboard, so that it can be pasted
// into another element or key, into another slot of its family, or into
// the same block of a voice in another window or program. The clipboard
// carries readable JSON under its own type, and plain text for anything
// else:
//
//   { "format": "zinta-block", "version": 1, "block": "amplitudeEnvelope",
//     "family": "amplitudeEnvelope", "name": "Amplitude Envelope",
//     "from": "element 1", "voiceType": 1,
//     "values": [ { "key": "NrmElmAEGAttackTime", "name": "AEG Attack Time",
//                   "value": 12, "text": "12", "inUse": true }, ... ] }
//
// A value's key names it alike in every voice type and, in an effect slot,
// in every slot ("Type", "Param3"). An effect's type is pasted by its name,
// since each slot numbers its types its own way.
namespace BlockClipboard {

extern const char mimeType[]; // "application/x-zinta-block+json"

// The contents of `block` in `part` of the memory's voice.
QJsonObject contents(const TParameterMemory &memory, const SoundBlock &block, int part);
// The contents as the clipboard takes them: JSON and plain text.
QMimeData *mimeData(const QJsonObject &contents);

// The block contents in `data`; false with *error set when it holds none.
bool read(const QMimeData *data, QJsonObject *contents, QString *error);

// Writes `contents` into `block` in `part`, type parameters first. Writes
// nothing and returns false with *error set when the block cannot take
// them (another family, an effect type the slot does not have).
bool paste(TParameterMemory &memory, const SoundBlock &block, int part, const QJsonObject &contents,
           QString *error);

} // namespace BlockClipboard
