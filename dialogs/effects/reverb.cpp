#include "reverb.h"

#include <iterator>

namespace {

using Form::Kind;

// The fader of row 13 stands two pixels left of its column.
constexpr EffectDesign::Placement placements[] = {
    { "cFader2653", 278 },
};

// clang-format off
constexpr Form::Widget returnPage[] = {
    // kind           object            x    y   w   h   text      address
    { Kind::TextSlider, "cTextSlider2693", 35, 46, 60, 16, nullptr, "00kNormalCommonReverb/kNrmRevReturn" },
    { Kind::Fader,      "cFader2694",     105, 46, 55, 16, nullptr, "00kNormalCommonReverb/kNrmRevReturn" },
    { Kind::TextSlider, "cTextSlider2695", 35, 78, 60, 16, nullptr, "00kNormalCommonReverb/kNrmRevPan" },
    { Kind::Fader,      "cFader2696",     105, 78, 55, 16, nullptr, "00kNormalCommonReverb/kNrmRevPan" },
    { Kind::Label,      "textLabel2697",   15, 30, 80, 16, "Return", nullptr },
    { Kind::Label,      "textLabel2698",   15, 62, 80, 16, "Pan",    nullptr },
};
// clang-format on

constexpr EffectDesign::LabelEntry returnLabels[] = {
    { "textLabel2697", "00kNormalCommonReverb/kNrmRevReturn" },
    { "textLabel2698", "00kNormalCommonReverb/kNrmRevPan" },
};

constexpr EffectDesign design = {
    "Reverb",
    2627,
    "00kNormalCommonReverb/kNrmRevType",
    "00kNormalCommonReverb/kNrmRevParam",
    "Reverb",
    "REVERB",
    nullptr,
    nullptr,
    placements,
    std::size(placements),
    returnPage,
    std::size(returnPage),
    "RETURN",
    returnLabels,
    std::size(returnLabels),
};

} // namespace

Reverb::Reverb(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : EffectDialog(design, parent, name, modal, flags)
{
}
