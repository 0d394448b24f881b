#include "xpb900jy.h"

namespace {

// page, column, row, caption, address, caption width where it differs
// clang-format off
constexpr BoardRow rows[] = {
    { 1, 1, 1, "JY Mode",            "FEkPluginNativeJY/kPlgNtvJYMode" },
    { 1, 1, 2, "Sustain Curve",      "FEkPluginNativeJY/kPlgNtvJYSustainCurve" },
    { 1, 1, 4, "EQ Lo Frequency",    "FEkPluginNativeJY/kPlgNtvJYEQLoFreq" },
    { 1, 1, 5, "EQ Lo Gain",         "FEkPluginNativeJY/kPlgNtvJYEQLoGain" },
    { 1, 1, 6, "EQ Hi Frequency",    "FEkPluginNativeJY/kPlgNtvJYEQHiFreq" },
    { 1, 1, 7, "EQ Hi Gain",         "FEkPluginNativeJY/kPlgNtvJYEQHiGain" },
    { 1, 2, 1, "EL1 Level 1",        "FEkPluginNativeJY/kPlgNtvJYEL1Level" },
    { 1, 2, 2, "EL2 Level 2",        "FEkPluginNativeJY/kPlgNtvJYEL2Level" },
    { 1, 2, 3, "EL3 Level 3",        "FEkPluginNativeJY/kPlgNtvJYEL3Level" },
    { 1, 2, 4, "EL4 Level 4",        "FEkPluginNativeJY/kPlgNtvJYEL4Level" },
    { 1, 3, 1, "AC1 EL1 Level 1",    "FEkPluginNativeJY/kPlgNtvJYAC1EL1" },
    { 1, 3, 2, "AC1 EL2 Level 2",    "FEkPluginNativeJY/kPlgNtvJYAC2EL2" },
    { 1, 3, 3, "AC1 EL3 Level 3",    "FEkPluginNativeJY/kPlgNtvJYAC3EL3" },
    { 1, 3, 4, "AC1 EL4 Level 4",    "FEkPluginNativeJY/kPlgNtvJYAC4EL4" },
    { 2, 1, 1, "Reverb Send",        "FEkPluginNativeJY/kPlgNtvJYRevSend" },
    { 2, 1, 2, "Chorus Send",        "FEkPluginNativeJY/kPlgNtvJYChoSend" },
    { 2, 2, 1, "INS LFO Frequency",  "FEkPluginNativeJY/kPlgNtvJYInsLFOFreq" },
    { 2, 2, 2, "INS LFO Depth",      "FEkPluginNativeJY/kPlgNtvJYInsLFODepth" },
    { 2, 2, 3, "INS Feedback Level", "FEkPluginNativeJY/kPlgNtvJYInsFeedback" },
    { 2, 2, 4, "INS Dry Wet Level",  "FEkPluginNativeJY/kPlgNtvJYInsDryWet" },
    { 2, 2, 5, "INS Offset",         "FEkPluginNativeJY/kPlgNtvJYInsOffset" },
    { 2, 2, 6, "INS Drive",          "FEkPluginNativeJY/kPlgNtvJYInsDrive" },
    { 2, 2, 7, "INS Clip Curve",     "FEkPluginNativeJY/kPlgNtvJYInsClipCurve" },
    { 2, 2, 8, "INS Delay Time",     "FEkPluginNativeJY/kPlgNtvJYInsDelayTime" },
};
// clang-format on

constexpr BoardDesign board = {
    "XPB900JY",
    "XPB900-JY Native Parameter",
    "XPB900-JY NATIVE PARAMETER",
    "EFFECT",
    487,
    rows,
    std::size(rows),
};

} // namespace

XPB900JY::XPB900JY(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
