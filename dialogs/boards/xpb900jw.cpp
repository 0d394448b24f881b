#include "xpb900jw.h"

namespace {

// page, column, row, caption, address, caption width where it differs
// clang-format off
constexpr BoardRow rows[] = {
    { 1, 1, 1, "JY Mode",            "FEkPluginNativeJW/kPlgNtvJWJYMode" },
    { 1, 1, 2, "Sustain Curve",      "FEkPluginNativeJW/kPlgNtvJWSustainCurve" },
    { 1, 1, 4, "EQ Lo Frequency",    "FEkPluginNativeJW/kPlgNtvJWEQLoFreq" },
    { 1, 1, 5, "EQ Lo Gain",         "FEkPluginNativeJW/kPlgNtvJWEQLoGain" },
    { 1, 1, 6, "EQ Hi Frequency",    "FEkPluginNativeJW/kPlgNtvJWEQHiFreq" },
    { 1, 1, 7, "EQ Hi Gain",         "FEkPluginNativeJW/kPlgNtvJWEQHiGain" },
    { 1, 2, 1, "Reverb Send",        "FEkPluginNativeJW/kPlgNtvJWRevSend" },
    { 1, 2, 2, "Chorus Send",        "FEkPluginNativeJW/kPlgNtvJWChoSend" },
    { 1, 3, 1, "INS LFO Frequency",  "FEkPluginNativeJW/kPlgNtvJWInsLFOFreq" },
    { 1, 3, 2, "INS LFO Depth",      "FEkPluginNativeJW/kPlgNtvJWInsLFODepth" },
    { 1, 3, 3, "INS Feedback Level", "FEkPluginNativeJW/kPlgNtvJWInsFeedbackLevel" },
    { 1, 3, 4, "INS Dry Wet Level",  "FEkPluginNativeJW/kPlgNtvJWInsDryWetLevel" },
    { 1, 3, 5, "INS Offset",         "FEkPluginNativeJW/kPlgNtvJWInsOffset" },
    { 1, 3, 6, "INS Drive",          "FEkPluginNativeJW/kPlgNtvJWInsDrive" },
    { 1, 3, 7, "INS Clip Curve",     "FEkPluginNativeJW/kPlgNtvJWInsClipCurve" },
    { 1, 3, 8, "INS Delay Time",     "FEkPluginNativeJW/kPlgNtvJWInsDelayTime" },
};
// clang-format on

constexpr BoardDesign board = {
    "XPB900JW",      "XPB900-JW Native Parameter", "XPB900-JW NATIVE PARAMETER", nullptr, 487, rows,
    std::size(rows),
};

} // namespace

XPB900JW::XPB900JW(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
