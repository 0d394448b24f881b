#pragma once

#include "widgets_export.h"

#include <QFont>

class QWidget;

// How the host editor dresses the dialogs it opens: one definition, used by
// the editor and by whatever stands in for it. The controls on a dialog
// bring their own font; the host's look is that of everything else on it,
// the captions first.
namespace HostLook {

// The dialogs' font: the forms were drawn for a small dialog font, and this
// condensed family at this pixel size fits their captions.
VESTRA_WIDGETS_EXPORT QFont dialogFont();

// Gives `dialog` the host's font, and a palette in which disabled text stays
// legible on the forms' grey pages (compare mode disables every caption of
// a page; the toolkit's own disabled grey nearly vanishes there). The rest
// of the dialog's palette is kept, whether set before or after.
VESTRA_WIDGETS_EXPORT void applyTo(QWidget *dialog);

} // namespace HostLook
