#pragma once

#include "memapi_export.h"
#include "parameterschema.h"
#include "voice.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Voice files: one voice as a JSON document that says what it is first,
// then what the voice is filed under, then only the values that make it
// what it is (those that differ from the defaults their types give):
//
//   { "format": "zinta-voice", "version": 2, "voiceType": 1,
//     "name": "Warm Pad", "category": "Synth Pad", "comment": "...", "tags": [ "slow" ],
//     "blocks": { "NormalElement": { "1": { "NrmElmPan": -7 }, "3": { ... } },
//                 "DrumKey": { "C#1": { ... } },
//                 "NormalCommon": { "NrmComPortamentoTime": 40 } } }
//
// A block of several parts keys its parts as voice files name them (element
// "1" to "4", drum keys by note, "C0" to "C6"); a block of one part holds its
// parameters directly. Version 1 files, which wrote every value of every
// part as a list of parts and had no name, still load.
//
// Reading checks the whole file before it gives anything back: the format
// and version, a voice type 1 to 3, a name of at most Voice::nameLength
// characters, a known category, known blocks and parts, known parameters,
// and values that are whole numbers within the range their parameter has in
// that part (which the part's type parameter may narrow). A block, part or
// parameter that the file does not hold takes the default its part's types
// give it. A fault is named as the editor's view names the parameter, with
// the file's own words in brackets: "Pan, element 4 [NormalElement/NrmElmPan]:
// 1.5 is not a whole number".
//
// Reading is bounded: only a regular file no larger than sizeLimit is opened
// and read; a folder, a FIFO or a device is refused without being opened.
//
// Writing goes through QSaveFile: every write is checked, and a failure
// leaves whatever was at the path as it was.
namespace VoiceFile {

VESTRA_MEMAPI_EXPORT extern const char formatName[]; // "zinta-voice"
constexpr int formatVersion = 2;
// Far above the largest voice the schema allows (about half a megabyte).
constexpr qint64 sizeLimit = 4 * 1024 * 1024;

// The text of a voice, in the newest version. A value outside the range its
// part's type gives the parameter is written as the memory shows it,
// clipped to that range.
VESTRA_MEMAPI_EXPORT QByteArray encode(const ParameterSchema::Schema &schema, const Voice &voice);

// Reads the text of a voice. On failure returns false, sets *why (if not
// null) to what is wrong and where, and leaves *voice alone. A version 1
// voice comes back without a name.
VESTRA_MEMAPI_EXPORT bool decode(const QByteArray &text, const ParameterSchema::Schema &schema,
                                 Voice *voice, QString *why);

// Reads the voice file at `path`; on failure *error names the file. A voice
// without a name takes the file's (without its suffix).
VESTRA_MEMAPI_EXPORT bool read(const QString &path, const ParameterSchema::Schema &schema,
                               Voice *voice, QString *error);

// Writes `text` to `path` atomically; on failure *error names the file and
// gives the system's reason ("No space left on device").
VESTRA_MEMAPI_EXPORT bool write(const QString &path, const QByteArray &text, QString *error);

// write(path, encode(schema, voice), error).
VESTRA_MEMAPI_EXPORT bool save(const QString &path, const ParameterSchema::Schema &schema,
                               const Voice &voice, QString *error);

} // namespace VoiceFile
