#include "xpb900jq.h"

namespace {

// page, column, row, caption, address, caption width where it differs
// clang-format off
constexpr BoardRow rows[] = {
    { 1, 1, 1, "Unison Switch",                 "FEkPluginNativeJQ/kPlgNtvJQUnisonSw" },
    { 1, 1, 2, "Arpeggio/StepSEQ Switch",       "FEkPluginNativeJQ/kPlgNtvJQArpStepSw" },
    { 1, 1, 4, "Tempo",                         "FEkPluginNativeJQ/kPlgNtvJQTempo" },
    { 1, 1, 5, "LFO2 Speed",                    "FEkPluginNativeJQ/kPlgNtvJQLFO2Speed" },
    { 1, 1, 6, "Sync Pitch",                    "FEkPluginNativeJQ/kPlgNtvJQSyncPitch" },
    { 1, 1, 7, "FM Depth",                      "FEkPluginNativeJQ/kPlgNtvJQFMDepth" },
    { 1, 2, 1, "VCO Detune",                    "FEkPluginNativeJQ/kPlgNtvJQVCODetune" },
    { 1, 2, 2, "VCO1 Edge",                     "FEkPluginNativeJQ/kPlgNtvJQVCO1Edge" },
    { 1, 2, 3, "VCO1 Pulse Width",              "FEkPluginNativeJQ/kPlgNtvJQVCO1PulseWidth" },
    { 1, 2, 4, "VCO1 PWM Depth",                "FEkPluginNativeJQ/kPlgNtvJQVCO1PWMDepth" },
    { 1, 2, 5, "VCO2 Edge",                     "FEkPluginNativeJQ/kPlgNtvJQVCO2Edge" },
    { 1, 2, 6, "VCO2 Pulse Width",              "FEkPluginNativeJQ/kPlgNtvJQVCO2PulseWidth" },
    { 1, 2, 7, "VCO2 PWM Depth",                "FEkPluginNativeJQ/kPlgNtvJQVCO2PWMDepth" },
    { 1, 3, 1, "Mixer VCO1 Level",              "FEkPluginNativeJQ/kPlgNtvJQMixerVCO1Level" },
    { 1, 3, 2, "Mixer VCO2 Level",              "FEkPluginNativeJQ/kPlgNtvJQMixerVCO2Level" },
    { 1, 3, 3, "Mixer Ring Modulator",          "FEkPluginNativeJQ/kPlgNtvJQMixerRingMod" },
    { 1, 3, 4, "Mixer Noise Level",             "FEkPluginNativeJQ/kPlgNtvJQMixerNoiseLevel" },
    { 1, 3, 5, "Mixer Feedback Level",          "FEkPluginNativeJQ/kPlgNtvJQMixerFeedbackLevel" },
    { 1, 3, 6, "Distortion Drive",              "FEkPluginNativeJQ/kPlgNtvJQDistortionDrive" },
    { 1, 3, 7, "AC1 Control Destination Param", "FEkPluginNativeJQ/kPlgNtvJQAC1Destination", 150 },
    { 1, 3, 8, "AC1 Control Depth",             "FEkPluginNativeJQ/kPlgNtvJQAC1Depth" },
    { 2, 1, 1, "VCF Filter  Mod Depth",         "FEkPluginNativeJQ/kPlgNtvJQVCFFilterMod" },
    { 2, 1, 4, "Filter  EG Depth",              "FEkPluginNativeJQ/kPlgNtvJQFilterEGDepth" },
    { 2, 1, 5, "Filter EG Attack Time",         "FEkPluginNativeJQ/kPlgNtvJQFilterEGAttackTime" },
    { 2, 1, 6, "Filter EG Decay Time",          "FEkPluginNativeJQ/kPlgNtvJQFilterEGDecayTime" },
    { 2, 1, 7, "Filter EG Sustain Level",       "FEkPluginNativeJQ/kPlgNtvJQFilterEGSustainLevel" },
    { 2, 1, 8, "Filter EG Release Time",        "FEkPluginNativeJQ/kPlgNtvJQFilterEGReleaseTime" },
    { 2, 2, 1, "VCA Amp Mod Depth",             "FEkPluginNativeJQ/kPlgNtvJQVCAAmpModDepth" },
    { 2, 2, 5, "AMP EG Attack Time",            "FEkPluginNativeJQ/kPlgNtvJQAMPEGAttackTime" },
    { 2, 2, 6, "AMP EG Decay Time",             "FEkPluginNativeJQ/kPlgNtvJQAMPEGDecayTime" },
    { 2, 2, 7, "AMP EG Sustain Level",          "FEkPluginNativeJQ/kPlgNtvJQAMPEGSustainLevel" },
    { 2, 2, 8, "AMP EG Release Time",           "FEkPluginNativeJQ/kPlgNtvJQAMPEGReleaseTIme" },
};
// clang-format on

constexpr BoardDesign board = {
    "XPB900JQ",      "XPB900-JQ Native Parameter", "XPB900-JQ NATIVE PARAMETER", "EG", 487, rows,
    std::size(rows),
};

} // namespace

XPB900JQ::XPB900JQ(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
