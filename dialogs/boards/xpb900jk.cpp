#include "xpb900jk.h"

namespace {

// page, column, row, caption, address, caption width where it differs
// clang-format off
constexpr BoardRow rows[] = {
    { 1, 1, 1, "Carrier Level 1",      "FEkPluginNativeJK/kPlgNtvJKCarrier1" },
    { 1, 1, 2, "Carrier Level 2",      "FEkPluginNativeJK/kPlgNtvJKCarrier2" },
    { 1, 1, 3, "Carrier Level 3",      "FEkPluginNativeJK/kPlgNtvJKCarrier3" },
    { 1, 1, 4, "Carrier Level 4",      "FEkPluginNativeJK/kPlgNtvJKCarrier4" },
    { 1, 1, 5, "Carrier Level 5",      "FEkPluginNativeJK/kPlgNtvJKCarrier5" },
    { 1, 1, 6, "Carrier Level 6",      "FEkPluginNativeJK/kPlgNtvJKCarrier6" },
    { 1, 2, 1, "Modulator Level 1",    "FEkPluginNativeJK/kPlgNtvJKMod1" },
    { 1, 2, 2, "Modulator Level 2",    "FEkPluginNativeJK/kPlgNtvJKMod2" },
    { 1, 2, 3, "Modulator Level 3",    "FEkPluginNativeJK/kPlgNtvJKMod3" },
    { 1, 2, 4, "Modulator Level 4",    "FEkPluginNativeJK/kPlgNtvJKMod4" },
    { 1, 2, 5, "Modulator Level 5",    "FEkPluginNativeJK/kPlgNtvJKMod5" },
    { 1, 2, 6, "Modulator Level 6",    "FEkPluginNativeJK/kPlgNtvJKMod6" },
    { 1, 3, 1, "Feed Back Level",      "FEkPluginNativeJK/kPlgNtvJKFeedBack" },
    { 1, 3, 2, "Portamento Mode",      "FEkPluginNativeJK/kPlgNtvJKPortamentoMode" },
    { 1, 3, 3, "Portamento Step",      "FEkPluginNativeJK/kPlgNtvJKPortamentoStep" },
    { 1, 3, 4, "Pitch Bend Step",      "FEkPluginNativeJK/kPlgNtvJKPitchBendStep" },
    { 1, 3, 5, "AC4 Controller",       "FEkPluginNativeJK/kPlgNtvJKAC4Controller" },
    { 1, 3, 6, "AC4 Parameter Select", "FEkPluginNativeJK/kPlgNtvJKAC4ParamSelect" },
    { 1, 3, 7, "AC4  Parameter Depth", "FEkPluginNativeJK/kPlgNtvJKAC4ParamDepth" },
    { 1, 3, 8, "Rcv Jk Sys Ex",        "FEkPluginNativeJK/kPlgNtvJKRcvJkSysEx" },
};
// clang-format on

constexpr BoardDesign board = {
    "XPB900JK",      "XPB900-JK Native Parameter", "XPB900-JK NATIVE PARAMETER", nullptr, 487, rows,
    std::size(rows),
};

} // namespace

XPB900JK::XPB900JK(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
