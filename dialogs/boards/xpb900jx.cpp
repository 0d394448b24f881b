#include "xpb900jx.h"

namespace {

// page, column, row, caption, address, caption width where it differs
// clang-format off
constexpr BoardRow rows[] = {
    { 1, 1, 1, "FILTER EG Depth",               "FEkPluginNativeJX/kPlgNtvJXFilterEQDepth" },
    { 1, 1, 3, "Pressure Control No.",          "FEkPluginNativeJX/kPlgNtvJXPressureNo" },
    { 1, 1, 4, "Pressure Control Depth",        "FEkPluginNativeJX/kPlgNtvJXPressureDepth" },
    { 1, 1, 5, "Embouchure Control No.",        "FEkPluginNativeJX/kPlgNtvJXEmbouchureNo" },
    { 1, 1, 6, "Embouchure Control Depth",      "FEkPluginNativeJX/kPlgNtvJXEmbouchureDepth" },
    { 1, 1, 7, "Tonguing Control No.",          "FEkPluginNativeJX/kPlgNtvJXTonguingNo" },
    { 1, 1, 8, "Tonguing Control Depth",        "FEkPluginNativeJX/kPlgNtvJXTonguingDepth" },
    { 1, 2, 1, "Scream Control No.",            "FEkPluginNativeJX/kPlgNtvJXScreamNo" },
    { 1, 2, 2, "Scream Control Depth",          "FEkPluginNativeJX/kPlgNtvJXScreamDepth" },
    { 1, 2, 3, "Breath Noise Control No.",      "FEkPluginNativeJX/kPlgNtvJXBreathNoiseNo" },
    { 1, 2, 4, "Breath Noise Control Depth",    "FEkPluginNativeJX/kPlgNtvJXBreathNoiseDepth" },
    { 1, 2, 5, "Growl Control No.",             "FEkPluginNativeJX/kPlgNtvJXGrowlNo" },
    { 1, 2, 6, "Growl Control Depth",           "FEkPluginNativeJX/kPlgNtvJXGrowlDepth" },
    { 1, 2, 7, "Throat Formant Control No.",    "FEkPluginNativeJX/kPlgNtvJXThroatNo" },
    { 1, 2, 8, "Throat Formant Control Depth",  "FEkPluginNativeJX/kPlgNtvJXThroutDepth", 150 },
    { 1, 3, 1, "Harmonic Enhancer Control No.", "FEkPluginNativeJX/kPlgNtvJXHarmonicNo", 150 },
    { 1, 3, 2, "Harmonic Enhancer Ctrl Depth",  "FEkPluginNativeJX/kPlgNtvJXHarmonicDepth", 150 },
    { 1, 3, 3, "Damping Control No.",           "FEkPluginNativeJX/kPlgNtvJXDampingNo" },
    { 1, 3, 4, "Damping Control Depth",         "FEkPluginNativeJX/kPlgNtvJXDampingDepth" },
    { 1, 3, 5, "Absorption Control No.",        "FEkPluginNativeJX/kPlgNtvJXAbsorptionNo" },
    { 1, 3, 6, "Absorption Control Depth",      "FEkPluginNativeJX/kPlgNtvJXAbsorptionDepth" },
    { 1, 3, 8, "Breath Mode",                   "FEkPluginNativeJX/kPlgNtvJXBreathMode" },
};
// clang-format on

constexpr BoardDesign board = {
    "XPB900JX",      "XPB900-JX Native Parameter", "XPB900-JX NATIVE PARAMETER", nullptr, 487, rows,
    std::size(rows),
};

} // namespace

XPB900JX::XPB900JX(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
