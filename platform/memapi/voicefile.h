#pragma once

#include "memapi_export.h"
#include "parameterschema.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Voice files: one voice of the parameter memory as a JSON document,
//
//   { "format": "zinta-voice", "version": 1, "voiceType": 1,
//     "blocks": { "NormalElement": [ { "NrmElmPan": -7, ... }, ...4 parts ],
//                 "NormalCommon": [ { ... } ], ... } }
//
// Reading checks the whole file before it gives anything back: the format
// and version, a voice type 1 to 3, known blocks with their number of parts,
// parts that are objects, known parameters, and values that are whole
// numbers within the range their parameter has in that part (which the
// part's type parameter may narrow). A block or parameter that the file does
// not hold takes its default, so a file written before a parameter existed
// still loads.
//
// Reading is bounded: only a regular file no larger than sizeLimit is opened
// and read; a folder, a FIFO or a device is refused without being opened.
//
// Writing goes through QSaveFile: every write is checked, and a failure
// leaves whatever was at the path as it was.
namespace VoiceFile {

// Values of every block, part and parameter, as the memory holds them.
using Values = std::vector<std::vector<std::vector<int>>>;

VESTRA_MEMAPI_EXPORT extern const char formatName[]; // "zinta-voice"
constexpr int formatVersion = 1;
// Far above the largest voice the schema allows (about half a megabyte).
constexpr qint64 sizeLimit = 4 * 1024 * 1024;

struct Voice
{
    int voiceType = 1;
    Values values;
};

// The text of a voice. A value outside the range its part's type gives the
// parameter is written as the memory shows it, clipped to that range.
VESTRA_MEMAPI_EXPORT QByteArray encode(const ParameterSchema::Schema &schema, int voiceType,
                                       const Values &values);

// Reads the text of a voice. On failure returns false, sets *why (if not
// null) to what is wrong and where ("block "NormalElement", element 2,
// parameter "NrmElmPan": 1.5 is not a whole number") and leaves *voice alone.
VESTRA_MEMAPI_EXPORT bool decode(const QByteArray &text, const ParameterSchema::Schema &schema,
                                 Voice *voice, QString *why);

// Reads the voice file at `path`; on failure *error names the file.
VESTRA_MEMAPI_EXPORT bool read(const QString &path, const ParameterSchema::Schema &schema,
                               Voice *voice, QString *error);

// Writes `text` to `path` atomically; on failure *error names the file and
// gives the system's reason ("No space left on device").
VESTRA_MEMAPI_EXPORT bool write(const QString &path, const QByteArray &text, QString *error);

} // namespace VoiceFile
