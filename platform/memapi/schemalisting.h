#pragma once

#include "memapi_export.h"
#include "parameterschema.h"

#include <QStringList>

// The schema as lines of text, for checking the whole content without
// opening a dialog (zinta-editor --list-parameters, --list-types).
namespace SchemaListing {

// One line per parameter, in schema order:
// "kNormalElement/kNrmElmPan<TAB>Pan<TAB>-63<TAB>63<TAB>L63<TAB>R63<TAB>C"
// (path, name, minimum, maximum, texts of both ends and of the default; as
// the initial voice's first part has them).
VESTRA_MEMAPI_EXPORT QStringList parameters(const ParameterSchema::Schema &schema);

// One line per type parameter, type value and parameter in use with that
// type, among those the type parameter governs:
// "kNormalCommonReverb/kNrmRevType<TAB>1<TAB>Hall 1<TAB>kNormalCommonReverb/kNrmRevParam1
//  <TAB>Reverb Time<TAB>0.3s<TAB>12.7s<TAB>2.6s" (type parameter, value, its
// text, parameter, name, texts of minimum, maximum and default).
VESTRA_MEMAPI_EXPORT QStringList types(const ParameterSchema::Schema &schema);

} // namespace SchemaListing
