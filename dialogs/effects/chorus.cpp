#include "chorus.h"

#include <iterator>

namespace {

using Form::Kind;

// The third line stands 31 pixels below the second, its caption 15 high.
// clang-format off
constexpr Form::Widget returnPage[] = {
    // kind           object            x     y   w    h   text                     address
    { Kind::TextSlider, "cTextSlider2765", 35,  46,  60, 16, nullptr, "00kNormalCommonChorus/kNrmChoReturn" },
    { Kind::Fader,      "cFader2766",     105,  46,  55, 16, nullptr, "00kNormalCommonChorus/kNrmChoReturn" },
    { Kind::TextSlider, "cTextSlider2767", 35,  78,  60, 16, nullptr, "00kNormalCommonChorus/kNrmChoPan" },
    { Kind::Fader,      "cFader2768",     105,  78,  55, 16, nullptr, "00kNormalCommonChorus/kNrmChoPan" },
    { Kind::TextSlider, "cTextSlider2769", 35, 109,  60, 16, nullptr, "00kNormalCommonChorus/kNrmChoChoToRev" },
    { Kind::Fader,      "cFader2770",     105, 109,  55, 16, nullptr, "00kNormalCommonChorus/kNrmChoChoToRev" },
    { Kind::Label,      "textLabel2771",   15,  30,  80, 16, "Return", nullptr },
    { Kind::Label,      "textLabel2772",   15,  62,  80, 16, "Pan", nullptr },
    { Kind::Label,      "textLabel2773",   15,  94, 123, 15, "Send Chorus To Reverb", nullptr },
};
// clang-format on

// clang-format off
constexpr EffectDesign::LabelEntry returnLabels[] = {
    { "textLabel2771", "00kNormalCommonChorus/kNrmChoReturn" },
    { "textLabel2772", "00kNormalCommonChorus/kNrmChoPan" },
    { "textLabel2773", "00kNormalCommonChorus/kNrmChoChoToRev" },
};
// clang-format on

constexpr EffectDesign design = {
    "Chorus",
    2699,
    "00kNormalCommonChorus/kNrmChoType",
    "00kNormalCommonChorus/kNrmChoParam",
    "Chorus",
    "CHORUS",
    nullptr,
    nullptr,
    nullptr,
    0,
    returnPage,
    std::size(returnPage),
    "RETURN",
    returnLabels,
    std::size(returnLabels),
};

} // namespace

Chorus::Chorus(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : EffectDialog(design, parent, name, modal, flags)
{
}
