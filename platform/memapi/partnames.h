#pragma once

#include "memapi_export.h"

#include <QString>

// How a musician counts the parts of a voice's blocks: the four elements of
// a normal voice, the drum keys of a drum voice by note, and the parts of
// other blocks by number.
namespace PartNames {

constexpr int elementCount = 4;
constexpr int drumKeyCount = 73;

// The note name of drum key `key` (0 to 72): "C0" to "C6". Key 0 is note 24,
// C0 where note 60 is C3.
VESTRA_MEMAPI_EXPORT QString drumKeyName(int key);
// The drum key of a note name ("C#1", any case), or -1.
VESTRA_MEMAPI_EXPORT int drumKeyOf(const QString &name);

// Part `part` of a block of `parts` parts as a person names it: "element 2",
// "key C1", "part 3"; empty for a block of one part.
VESTRA_MEMAPI_EXPORT QString partName(int parts, int part);

// The short name of a part as voice files key it: "2" for element 2, "C1"
// for a drum key, "3" for part 3. partOfKey() reads it back (-1 when it names
// no part of such a block).
VESTRA_MEMAPI_EXPORT QString partKey(int parts, int part);
VESTRA_MEMAPI_EXPORT int partOfKey(int parts, const QString &key);

} // namespace PartNames
