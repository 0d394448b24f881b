#include "insertionefa.h"

namespace {

constexpr EffectDesign design = {
    "InsertionEFA",
    2495,
    "00kNormalCommonInsA/kNrmInsAType",
    "00kNormalCommonInsA/kNrmInsAParam",
    "Insertion EF 1",
    "INSERTION EFFECT 1",
    "Insertion EF A",
    "INSERTION EFFECT A",
    nullptr,
    0,
    nullptr,
    0,
    nullptr,
    nullptr,
    0,
};

} // namespace

InsertionEFA::InsertionEFA(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : EffectDialog(design, parent, name, modal, flags)
{
}
