#include "insertionefb.h"

#include <iterator>

namespace {

// The number label "7." stands one pixel left of its column.
constexpr EffectDesign::Placement placements[] = {
    { "textLabel2601", 14 },
};

constexpr EffectDesign design = {
    "InsertionEFB",
    2561,
    "00kNormalCommonInsB/kNrmInsBType",
    "00kNormalCommonInsB/kNrmInsBParam",
    "Insertion EF 2",
    "INSERTION EFFECT 2",
    "Insertion EF B",
    "INSERTION EFFECT B",
    placements,
    std::size(placements),
    nullptr,
    0,
    nullptr,
    nullptr,
    0,
};

} // namespace

InsertionEFB::InsertionEFB(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : EffectDialog(design, parent, name, modal, flags)
{
}
