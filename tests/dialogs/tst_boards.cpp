// The native-parameter dialogs of the seven expansion boards (entries 29 to
// 35), through the host boundary: each form against the rows it was drawn
// from, its rows bound to the board's parameters and edited by mouse and
// keys, and the report of the board model to the host when it closes.

#include <hostfixture.h>

#include <cfader.h>
#include <ctextslider.h>
#include <tmemproxy.h>

#include <QLabel>
#include <QSet>
#include <QTabWidget>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

// One row of a board form as drawn: page, grid column and row, caption with
// its width, and the address of both controls.
struct Expected
{
    const char *board;
    int page, column, row;
    const char *caption;
    int captionWidth;
    const char *address;
};

const Expected expectedRows[] = {
    { "JQ", 1, 1, 1, "Unison Switch",                      130, "FEkPluginNativeJQ/kPlgNtvJQUnisonSw" },
    { "JQ", 1, 1, 2, "Arpeggio/StepSEQ Switch",            130, "FEkPluginNativeJQ/kPlgNtvJQArpStepSw" },
    { "JQ", 1, 1, 4, "Tempo",                              130, "FEkPluginNativeJQ/kPlgNtvJQTempo" },
    { "JQ", 1, 1, 5, "LFO2 Speed",                         130, "FEkPluginNativeJQ/kPlgNtvJQLFO2Speed" },
    { "JQ", 1, 1, 6, "Sync Pitch",                         130, "FEkPluginNativeJQ/kPlgNtvJQSyncPitch" },
    { "JQ", 1, 1, 7, "FM Depth",                           130, "FEkPluginNativeJQ/kPlgNtvJQFMDepth" },
    { "JQ", 1, 2, 1, "VCO Detune",                         130, "FEkPluginNativeJQ/kPlgNtvJQVCODetune" },
    { "JQ", 1, 2, 2, "VCO1 Edge",                          130, "FEkPluginNativeJQ/kPlgNtvJQVCO1Edge" },
    { "JQ", 1, 2, 3, "VCO1 Pulse Width",                   130, "FEkPluginNativeJQ/kPlgNtvJQVCO1PulseWidth" },
    { "JQ", 1, 2, 4, "VCO1 PWM Depth",                     130, "FEkPluginNativeJQ/kPlgNtvJQVCO1PWMDepth" },
    { "JQ", 1, 2, 5, "VCO2 Edge",                          130, "FEkPluginNativeJQ/kPlgNtvJQVCO2Edge" },
    { "JQ", 1, 2, 6, "VCO2 Pulse Width",                   130, "FEkPluginNativeJQ/kPlgNtvJQVCO2PulseWidth" },
    { "JQ", 1, 2, 7, "VCO2 PWM Depth",                     130, "FEkPluginNativeJQ/kPlgNtvJQVCO2PWMDepth" },
    { "JQ", 1, 3, 1, "Mixer VCO1 Level",                   130, "FEkPluginNativeJQ/kPlgNtvJQMixerVCO1Level" },
    { "JQ", 1, 3, 2, "Mixer VCO2 Level",                   130, "FEkPluginNativeJQ/kPlgNtvJQMixerVCO2Level" },
    { "JQ", 1, 3, 3, "Mixer Ring Modulator",               130, "FEkPluginNativeJQ/kPlgNtvJQMixerRingMod" },
    { "JQ", 1, 3, 4, "Mixer Noise Level",                  130, "FEkPluginNativeJQ/kPlgNtvJQMixerNoiseLevel" },
    { "JQ", 1, 3, 5, "Mixer Feedback Level",               130, "FEkPluginNativeJQ/kPlgNtvJQMixerFeedbackLevel" },
    { "JQ", 1, 3, 6, "Distortion Drive",                   130, "FEkPluginNativeJQ/kPlgNtvJQDistortionDrive" },
    { "JQ", 1, 3, 7, "AC1 Control Destination Param",      150, "FEkPluginNativeJQ/kPlgNtvJQAC1Destination" },
    { "JQ", 1, 3, 8, "AC1 Control Depth",                  130, "FEkPluginNativeJQ/kPlgNtvJQAC1Depth" },
    { "JQ", 2, 1, 1, "VCF Filter  Mod Depth",              130, "FEkPluginNativeJQ/kPlgNtvJQVCFFilterMod" },
    { "JQ", 2, 1, 4, "Filter  EG Depth",                   130, "FEkPluginNativeJQ/kPlgNtvJQFilterEGDepth" },
    { "JQ", 2, 1, 5, "Filter EG Attack Time",              130, "FEkPluginNativeJQ/kPlgNtvJQFilterEGAttackTime" },
    { "JQ", 2, 1, 6, "Filter EG Decay Time",               130, "FEkPluginNativeJQ/kPlgNtvJQFilterEGDecayTime" },
    { "JQ", 2, 1, 7, "Filter EG Sustain Level",            130, "FEkPluginNativeJQ/kPlgNtvJQFilterEGSustainLevel" },
    { "JQ", 2, 1, 8, "Filter EG Release Time",             130, "FEkPluginNativeJQ/kPlgNtvJQFilterEGReleaseTime" },
    { "JQ", 2, 2, 1, "VCA Amp Mod Depth",                  130, "FEkPluginNativeJQ/kPlgNtvJQVCAAmpModDepth" },
    { "JQ", 2, 2, 5, "AMP EG Attack Time",                 130, "FEkPluginNativeJQ/kPlgNtvJQAMPEGAttackTime" },
    { "JQ", 2, 2, 6, "AMP EG Decay Time",                  130, "FEkPluginNativeJQ/kPlgNtvJQAMPEGDecayTime" },
    { "JQ", 2, 2, 7, "AMP EG Sustain Level",               130, "FEkPluginNativeJQ/kPlgNtvJQAMPEGSustainLevel" },
    { "JQ", 2, 2, 8, "AMP EG Release Time",                130, "FEkPluginNativeJQ/kPlgNtvJQAMPEGReleaseTIme" },

    { "JW", 1, 1, 1, "JY Mode",                            130, "FEkPluginNativeJW/kPlgNtvJWJYMode" },
    { "JW", 1, 1, 2, "Sustain Curve",                      130, "FEkPluginNativeJW/kPlgNtvJWSustainCurve" },
    { "JW", 1, 1, 4, "EQ Lo Frequency",                    130, "FEkPluginNativeJW/kPlgNtvJWEQLoFreq" },
    { "JW", 1, 1, 5, "EQ Lo Gain",                         130, "FEkPluginNativeJW/kPlgNtvJWEQLoGain" },
    { "JW", 1, 1, 6, "EQ Hi Frequency",                    130, "FEkPluginNativeJW/kPlgNtvJWEQHiFreq" },
    { "JW", 1, 1, 7, "EQ Hi Gain",                         130, "FEkPluginNativeJW/kPlgNtvJWEQHiGain" },
    { "JW", 1, 2, 1, "Reverb Send",                        130, "FEkPluginNativeJW/kPlgNtvJWRevSend" },
    { "JW", 1, 2, 2, "Chorus Send",                        130, "FEkPluginNativeJW/kPlgNtvJWChoSend" },
    { "JW", 1, 3, 1, "INS LFO Frequency",                  130, "FEkPluginNativeJW/kPlgNtvJWInsLFOFreq" },
    { "JW", 1, 3, 2, "INS LFO Depth",                      130, "FEkPluginNativeJW/kPlgNtvJWInsLFODepth" },
    { "JW", 1, 3, 3, "INS Feedback Level",                 130, "FEkPluginNativeJW/kPlgNtvJWInsFeedbackLevel" },
    { "JW", 1, 3, 4, "INS Dry Wet Level",                  130, "FEkPluginNativeJW/kPlgNtvJWInsDryWetLevel" },
    { "JW", 1, 3, 5, "INS Offset",                         130, "FEkPluginNativeJW/kPlgNtvJWInsOffset" },
    { "JW", 1, 3, 6, "INS Drive",                          130, "FEkPluginNativeJW/kPlgNtvJWInsDrive" },
    { "JW", 1, 3, 7, "INS Clip Curve",                     130, "FEkPluginNativeJW/kPlgNtvJWInsClipCurve" },
    { "JW", 1, 3, 8, "INS Delay Time",                     130, "FEkPluginNativeJW/kPlgNtvJWInsDelayTime" },

    { "JY", 1, 1, 1, "JY Mode",                            130, "FEkPluginNativeJY/kPlgNtvJYMode" },
    { "JY", 1, 1, 2, "Sustain Curve",                      130, "FEkPluginNativeJY/kPlgNtvJYSustainCurve" },
    { "JY", 1, 1, 4, "EQ Lo Frequency",                    130, "FEkPluginNativeJY/kPlgNtvJYEQLoFreq" },
    { "JY", 1, 1, 5, "EQ Lo Gain",                         130, "FEkPluginNativeJY/kPlgNtvJYEQLoGain" },
    { "JY", 1, 1, 6, "EQ Hi Frequency",                    130, "FEkPluginNativeJY/kPlgNtvJYEQHiFreq" },
    { "JY", 1, 1, 7, "EQ Hi Gain",                         130, "FEkPluginNativeJY/kPlgNtvJYEQHiGain" },
    { "JY", 1, 2, 1, "EL1 Level 1",                        130, "FEkPluginNativeJY/kPlgNtvJYEL1Level" },
    { "JY", 1, 2, 2, "EL2 Level 2",                        130, "FEkPluginNativeJY/kPlgNtvJYEL2Level" },
    { "JY", 1, 2, 3, "EL3 Level 3",                        130, "FEkPluginNativeJY/kPlgNtvJYEL3Level" },
    { "JY", 1, 2, 4, "EL4 Level 4",                        130, "FEkPluginNativeJY/kPlgNtvJYEL4Level" },
    { "JY", 1, 3, 1, "AC1 EL1 Level 1",                    130, "FEkPluginNativeJY/kPlgNtvJYAC1EL1" },
    { "JY", 1, 3, 2, "AC1 EL2 Level 2",                    130, "FEkPluginNativeJY/kPlgNtvJYAC2EL2" },
    { "JY", 1, 3, 3, "AC1 EL3 Level 3",                    130, "FEkPluginNativeJY/kPlgNtvJYAC3EL3" },
    { "JY", 1, 3, 4, "AC1 EL4 Level 4",                    130, "FEkPluginNativeJY/kPlgNtvJYAC4EL4" },
    { "JY", 2, 1, 1, "Reverb Send",                        130, "FEkPluginNativeJY/kPlgNtvJYRevSend" },
    { "JY", 2, 1, 2, "Chorus Send",                        130, "FEkPluginNativeJY/kPlgNtvJYChoSend" },
    { "JY", 2, 2, 1, "INS LFO Frequency",                  130, "FEkPluginNativeJY/kPlgNtvJYInsLFOFreq" },
    { "JY", 2, 2, 2, "INS LFO Depth",                      130, "FEkPluginNativeJY/kPlgNtvJYInsLFODepth" },
    { "JY", 2, 2, 3, "INS Feedback Level",                 130, "FEkPluginNativeJY/kPlgNtvJYInsFeedback" },
    { "JY", 2, 2, 4, "INS Dry Wet Level",                  130, "FEkPluginNativeJY/kPlgNtvJYInsDryWet" },
    { "JY", 2, 2, 5, "INS Offset",                         130, "FEkPluginNativeJY/kPlgNtvJYInsOffset" },
    { "JY", 2, 2, 6, "INS Drive",                          130, "FEkPluginNativeJY/kPlgNtvJYInsDrive" },
    { "JY", 2, 2, 7, "INS Clip Curve",                     130, "FEkPluginNativeJY/kPlgNtvJYInsClipCurve" },
    { "JY", 2, 2, 8, "INS Delay Time",                     130, "FEkPluginNativeJY/kPlgNtvJYInsDelayTime" },

    { "JV", 1, 1, 1, "Note Select 1",                      130, "FEkPluginNativeJV/kPlgNtvJVNoteSel1" },
    { "JV", 1, 1, 3, "Note Select 1 Tune",                 130, "FEkPluginNativeJV/kPlgNtvJVNoteSel1Tune" },
    { "JV", 1, 1, 4, "Note Select 1 Level",                130, "FEkPluginNativeJV/kPlgNtvJVNoteSel1Level" },
    { "JV", 1, 1, 5, "Note Select 1 Pan",                  130, "FEkPluginNativeJV/kPlgNtvJVNoteSel1Pan" },
    { "JV", 1, 1, 6, "Note Select 1 Insertion Effect",     150, "FEkPluginNativeJV/kPlgNtvJVNoteSel1Ins" },
    { "JV", 1, 1, 7, "Note Select 1 Rev Send",             130, "FEkPluginNativeJV/kPlgNtvJVNoteSel1Rev" },
    { "JV", 1, 2, 1, "Note Select 2",                      130, "FEkPluginNativeJV/kPlgNtvJVNoteSel2" },
    { "JV", 1, 2, 3, "Note Select 2 Tune",                 130, "FEkPluginNativeJV/kPlgNtvJVNoteSel2Tune" },
    { "JV", 1, 2, 4, "Note Select 2 Level",                130, "FEkPluginNativeJV/kPlgNtvJVNoteSel2Level" },
    { "JV", 1, 2, 5, "Note Select 2 Pan",                  130, "FEkPluginNativeJV/kPlgNtvJVNoteSel2Pan" },
    { "JV", 1, 2, 6, "Note Select 2 Insertion Effect",     150, "FEkPluginNativeJV/kPlgNtvJVNoteSel2Ins" },
    { "JV", 1, 2, 7, "Note Select 2 Rev Send",             130, "FEkPluginNativeJV/kPlgNtvJVNoteSel2Rev" },
    { "JV", 1, 3, 1, "Note Select 3",                      130, "FEkPluginNativeJV/kPlgNtvJVNoteSel3" },
    { "JV", 1, 3, 3, "Note Select 3 Tune",                 130, "FEkPluginNativeJV/kPlgNtvJVNoteSel3Tune" },
    { "JV", 1, 3, 4, "Note Select 3 Level",                130, "FEkPluginNativeJV/kPlgNtvJVNoteSel3Level" },
    { "JV", 1, 3, 5, "Note Select 3 Pan",                  130, "FEkPluginNativeJV/kPlgNtvJVNoteSel3Pan" },
    { "JV", 1, 3, 6, "Note Select 3 Insertion Effect",     150, "FEkPluginNativeJV/kPlgNtvJVNoteSel3Ins" },
    { "JV", 1, 3, 7, "Note Select 3 Rev Send",             130, "FEkPluginNativeJV/kPlgNtvJVNoteSel3Rev" },
    { "JV", 1, 4, 1, "Note Select 4",                      130, "FEkPluginNativeJV/kPlgNtvJVNoteSel4" },
    { "JV", 1, 4, 3, "Note Select 4 Tune",                 130, "FEkPluginNativeJV/kPlgNtvJVNoteSel4Tune" },
    { "JV", 1, 4, 4, "Note Select 4 Level",                130, "FEkPluginNativeJV/kPlgNtvJVNoteSel4Level" },
    { "JV", 1, 4, 5, "Note Select 4 Pan",                  150, "FEkPluginNativeJV/kPlgNtvJVNoteSel4Pan" },
    { "JV", 1, 4, 6, "Note Select 4 Insertion Effect",     150, "FEkPluginNativeJV/kPlgNtvJVNoteSel4Ins" },
    { "JV", 1, 4, 7, "Note Select 4  Rev Send",            130, "FEkPluginNativeJV/kPlgNtvJVNoteSel4Rev" },
    { "JV", 2, 1, 1, "Insertion Effect Low EQ Frequency",  180, "FEkPluginNativeJV/kPlgNtvJVInsLowEQFreq" },
    { "JV", 2, 1, 2, "Insertion Effect Low EQ Gain",       180, "FEkPluginNativeJV/kPlgNtvJVInsLowEQGain" },
    { "JV", 2, 1, 3, "Insertion Effect High EQ Frequency", 180, "FEkPluginNativeJV/kPlgNtvJVInsHighEQFreq" },
    { "JV", 2, 1, 4, "Insertion Effect High EQ Gain",      180, "FEkPluginNativeJV/kPlgNtvJVInsHighEQGain" },
    { "JV", 2, 1, 5, "Insertion Effect LFO Frequency",     180, "FEkPluginNativeJV/kPlgNtvJVInsLFOFreq" },
    { "JV", 2, 1, 6, "Insertion Effect LFO Depth",         180, "FEkPluginNativeJV/kPlgNtvJVInsLFODepth" },
    { "JV", 2, 1, 7, "Insertion Effect Drive",             180, "FEkPluginNativeJV/kPlgNtvJVInsDrive" },
    { "JV", 2, 1, 8, "Insertion Effect Dry / Wet",         180, "FEkPluginNativeJV/kPlgNtvJVInsDryWet" },

    { "JZ", 1, 1, 1, "Note Select 1",                      130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1" },
    { "JZ", 1, 1, 3, "Note Select 1 Tune",                 130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Tune" },
    { "JZ", 1, 1, 4, "Note Select 1 Level",                130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Level" },
    { "JZ", 1, 1, 5, "Note Select 1 Pan",                  130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Pan" },
    { "JZ", 1, 1, 6, "Note Select 1 Insertion Effect",     150, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Ins" },
    { "JZ", 1, 1, 7, "Note Select 1 Rev Send",             130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Rev" },
    { "JZ", 1, 2, 1, "Note Select 2",                      130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2" },
    { "JZ", 1, 2, 3, "Note Select 2 Tune",                 130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Tune" },
    { "JZ", 1, 2, 4, "Note Select 2 Level",                130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Level" },
    { "JZ", 1, 2, 5, "Note Select 2 Pan",                  130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Pan" },
    { "JZ", 1, 2, 6, "Note Select 2 Insertion Effect",     150, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Ins" },
    { "JZ", 1, 2, 7, "Note Select 2 Rev Send",             130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Rev" },
    { "JZ", 1, 3, 1, "Note Select 3",                      130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3" },
    { "JZ", 1, 3, 3, "Note Select 3 Tune",                 130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Tune" },
    { "JZ", 1, 3, 4, "Note Select 3 Level",                130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Level" },
    { "JZ", 1, 3, 5, "Note Select 3 Pan",                  130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Pan" },
    { "JZ", 1, 3, 6, "Note Select 3 Insertion Effect",     150, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Ins" },
    { "JZ", 1, 3, 7, "Note Select 3 Rev Send",             130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Rev" },
    { "JZ", 1, 4, 1, "Note Select 4",                      130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4" },
    { "JZ", 1, 4, 3, "Note Select 4 Tune",                 130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Tune" },
    { "JZ", 1, 4, 4, "Note Select 4 Level",                130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Level" },
    { "JZ", 1, 4, 5, "Note Select 4 Pan",                  150, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Pan" },
    { "JZ", 1, 4, 6, "Note Select 4 Insertion Effect",     150, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Ins" },
    { "JZ", 1, 4, 7, "Note Select 4  Rev Send",            130, "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Rev" },
    { "JZ", 2, 1, 1, "Insertion Effect Low EQ Frequency",  180, "FEkPluginNativeJZ/kPlgNtvJZInsLowEQFreq" },
    { "JZ", 2, 1, 2, "Insertion Effect Low EQ Gain",       180, "FEkPluginNativeJZ/kPlgNtvJZInsLowEQGain" },
    { "JZ", 2, 1, 3, "Insertion Effect High EQ Frequency", 180, "FEkPluginNativeJZ/kPlgNtvJZInsHighEQFreq" },
    { "JZ", 2, 1, 4, "Insertion Effect High EQ Gain",      180, "FEkPluginNativeJZ/kPlgNtvJZInsHighEQGain" },
    { "JZ", 2, 1, 5, "Insertion Effect LFO Frequency",     180, "FEkPluginNativeJZ/kPlgNtvJZInsLFOFreq" },
    { "JZ", 2, 1, 6, "Insertion Effect LFO Depth",         180, "FEkPluginNativeJZ/kPlgNtvJZInsLFODepth" },
    { "JZ", 2, 1, 7, "Insertion Effect Drive",             180, "FEkPluginNativeJZ/kPlgNtvJZInsDrive" },
    { "JZ", 2, 1, 8, "Insertion Effect Dry / Wet",         180, "FEkPluginNativeJZ/kPlgNtvJZInsDryWet" },

    { "JK", 1, 1, 1, "Carrier Level 1",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier1" },
    { "JK", 1, 1, 2, "Carrier Level 2",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier2" },
    { "JK", 1, 1, 3, "Carrier Level 3",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier3" },
    { "JK", 1, 1, 4, "Carrier Level 4",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier4" },
    { "JK", 1, 1, 5, "Carrier Level 5",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier5" },
    { "JK", 1, 1, 6, "Carrier Level 6",                    130, "FEkPluginNativeJK/kPlgNtvJKCarrier6" },
    { "JK", 1, 2, 1, "Modulator Level 1",                  130, "FEkPluginNativeJK/kPlgNtvJKMod1" },
    { "JK", 1, 2, 2, "Modulator Level 2",                  130, "FEkPluginNativeJK/kPlgNtvJKMod2" },
    { "JK", 1, 2, 3, "Modulator Level 3",                  130, "FEkPluginNativeJK/kPlgNtvJKMod3" },
    { "JK", 1, 2, 4, "Modulator Level 4",                  130, "FEkPluginNativeJK/kPlgNtvJKMod4" },
    { "JK", 1, 2, 5, "Modulator Level 5",                  130, "FEkPluginNativeJK/kPlgNtvJKMod5" },
    { "JK", 1, 2, 6, "Modulator Level 6",                  130, "FEkPluginNativeJK/kPlgNtvJKMod6" },
    { "JK", 1, 3, 1, "Feed Back Level",                    130, "FEkPluginNativeJK/kPlgNtvJKFeedBack" },
    { "JK", 1, 3, 2, "Portamento Mode",                    130, "FEkPluginNativeJK/kPlgNtvJKPortamentoMode" },
    { "JK", 1, 3, 3, "Portamento Step",                    130, "FEkPluginNativeJK/kPlgNtvJKPortamentoStep" },
    { "JK", 1, 3, 4, "Pitch Bend Step",                    130, "FEkPluginNativeJK/kPlgNtvJKPitchBendStep" },
    { "JK", 1, 3, 5, "AC4 Controller",                     130, "FEkPluginNativeJK/kPlgNtvJKAC4Controller" },
    { "JK", 1, 3, 6, "AC4 Parameter Select",               130, "FEkPluginNativeJK/kPlgNtvJKAC4ParamSelect" },
    { "JK", 1, 3, 7, "AC4  Parameter Depth",               130, "FEkPluginNativeJK/kPlgNtvJKAC4ParamDepth" },
    { "JK", 1, 3, 8, "Rcv Jk Sys Ex",                      130, "FEkPluginNativeJK/kPlgNtvJKRcvJkSysEx" },

    { "JX", 1, 1, 1, "FILTER EG Depth",                    130, "FEkPluginNativeJX/kPlgNtvJXFilterEQDepth" },
    { "JX", 1, 1, 3, "Pressure Control No.",               130, "FEkPluginNativeJX/kPlgNtvJXPressureNo" },
    { "JX", 1, 1, 4, "Pressure Control Depth",             130, "FEkPluginNativeJX/kPlgNtvJXPressureDepth" },
    { "JX", 1, 1, 5, "Embouchure Control No.",             130, "FEkPluginNativeJX/kPlgNtvJXEmbouchureNo" },
    { "JX", 1, 1, 6, "Embouchure Control Depth",           130, "FEkPluginNativeJX/kPlgNtvJXEmbouchureDepth" },
    { "JX", 1, 1, 7, "Tonguing Control No.",               130, "FEkPluginNativeJX/kPlgNtvJXTonguingNo" },
    { "JX", 1, 1, 8, "Tonguing Control Depth",             130, "FEkPluginNativeJX/kPlgNtvJXTonguingDepth" },
    { "JX", 1, 2, 1, "Scream Control No.",                 130, "FEkPluginNativeJX/kPlgNtvJXScreamNo" },
    { "JX", 1, 2, 2, "Scream Control Depth",               130, "FEkPluginNativeJX/kPlgNtvJXScreamDepth" },
    { "JX", 1, 2, 3, "Breath Noise Control No.",           130, "FEkPluginNativeJX/kPlgNtvJXBreathNoiseNo" },
    { "JX", 1, 2, 4, "Breath Noise Control Depth",         130, "FEkPluginNativeJX/kPlgNtvJXBreathNoiseDepth" },
    { "JX", 1, 2, 5, "Growl Control No.",                  130, "FEkPluginNativeJX/kPlgNtvJXGrowlNo" },
    { "JX", 1, 2, 6, "Growl Control Depth",                130, "FEkPluginNativeJX/kPlgNtvJXGrowlDepth" },
    { "JX", 1, 2, 7, "Throat Formant Control No.",         130, "FEkPluginNativeJX/kPlgNtvJXThroatNo" },
    { "JX", 1, 2, 8, "Throat Formant Control Depth",       150, "FEkPluginNativeJX/kPlgNtvJXThroutDepth" },
    { "JX", 1, 3, 1, "Harmonic Enhancer Control No.",      150, "FEkPluginNativeJX/kPlgNtvJXHarmonicNo" },
    { "JX", 1, 3, 2, "Harmonic Enhancer Ctrl Depth",       150, "FEkPluginNativeJX/kPlgNtvJXHarmonicDepth" },
    { "JX", 1, 3, 3, "Damping Control No.",                130, "FEkPluginNativeJX/kPlgNtvJXDampingNo" },
    { "JX", 1, 3, 4, "Damping Control Depth",              130, "FEkPluginNativeJX/kPlgNtvJXDampingDepth" },
    { "JX", 1, 3, 5, "Absorption Control No.",             130, "FEkPluginNativeJX/kPlgNtvJXAbsorptionNo" },
    { "JX", 1, 3, 6, "Absorption Control Depth",           130, "FEkPluginNativeJX/kPlgNtvJXAbsorptionDepth" },
    { "JX", 1, 3, 8, "Breath Mode",                        130, "FEkPluginNativeJX/kPlgNtvJXBreathMode" },
};

struct Board
{
    const char *model;
    int entry;
    int width;
    const char *secondPage; // null: one page
};

const Board boards[] = {
    { "JQ", 29, 487, "EG" },
    { "JW", 30, 487, nullptr },
    { "JV", 31, 647, "INSERTION EFFECT" },
    { "JK", 32, 487, nullptr },
    { "JZ", 33, 647, "INSERTION EFFECT" },
    { "JY", 34, 487, "EFFECT" },
    { "JX", 35, 487, nullptr },
};

const Board &boardOf(const QString &model)
{
    for (const Board &board : boards) {
        if (model == QLatin1String(board.model))
            return board;
    }
    qFatal("no board %s", qPrintable(model));
}

QList<const Expected *> rowsOf(const QString &model, int page)
{
    QList<const Expected *> rows;
    for (const Expected &row : expectedRows) {
        if (model == QLatin1String(row.board) && row.page == page)
            rows << &row;
    }
    return rows;
}

QRect valueFieldAt(int column, int row)
{
    return QRect(20 + 155 * (column - 1), 46 + 32 * (row - 1), 60, 16);
}

QString pageName(int page)
{
    return page == 1 ? QStringLiteral("tab0") : QStringLiteral("tab0_2");
}

// The object names of a row's widgets: a running number over the whole form,
// page by page the value field and fader of every row, then the captions.
struct RowNames
{
    QString valueField, fader, caption;
};

RowNames namesOf(const Expected &row)
{
    int first = 0;
    for (int page = 1; page < row.page; ++page)
        first += 3 * int(rowsOf(QLatin1String(row.board), page).size());
    const QList<const Expected *> page = rowsOf(QLatin1String(row.board), row.page);
    const int i = int(page.indexOf(&row));
    const int n = int(page.size());
    return { QStringLiteral("cTextSlider%1").arg(first + 2 * i),
             QStringLiteral("cFader%1").arg(first + 2 * i + 1),
             QStringLiteral("textLabel%1").arg(first + 2 * n + i) };
}

template <typename T>
T *controlAt(QWidget *dialog, const QString &address)
{
    for (T *control : dialog->findChildren<T *>()) {
        if (control->namedAddress() == address)
            return control;
    }
    return nullptr;
}

} // namespace

class TestBoards : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void formHasItsSizeAndPages_data();
    void formHasItsSizeAndPages();
    void rowSitsOnTheGridBoundToItsParameter_data();
    void rowSitsOnTheGridBoundToItsParameter();
    void noTwoRowsShareAnAddress_data();
    void noTwoRowsShareAnAddress();
    void emptyCellsStayEmpty_data();
    void emptyCellsStayEmpty();

    void keysOnAValueFieldEditTheParameter_data();
    void keysOnAValueFieldEditTheParameter();
    void clickingAValueFieldStepsTheParameter_data();
    void clickingAValueFieldStepsTheParameter();
    void clickingAFaderWritesTheParameter_data();
    void clickingAFaderWritesTheParameter();

    void closingReportsTheBoardOnce_data();
    void closingReportsTheBoardOnce();
    void closingWithoutVoiceDataStillCloses_data();
    void closingWithoutVoiceDataStillCloses();
    void otherDialogsReportNothingOnClose_data();
    void otherDialogsReportNothingOnClose();

private:
    QWidget *open(int entry);
    QWidget *create(int entry);
    // Puts the parameter in the middle of its range and returns the value.
    int centre(const QString &address);

    std::unique_ptr<HostFixture> m_host;
    QList<QPointer<QWidget>> m_dialogs;
};

void TestBoards::init()
{
    m_host = std::make_unique<HostFixture>();
    QVERIFY2(m_host->addOn, qPrintable(m_host->loadError()));
}

void TestBoards::cleanup()
{
    for (const QPointer<QWidget> &dialog : m_dialogs)
        delete dialog.data();
    m_dialogs.clear();
    m_host.reset();
}

QWidget *TestBoards::open(int entry)
{
    QWidget *dialog = m_host->open(entry);
    m_dialogs.append(dialog);
    return dialog;
}

QWidget *TestBoards::create(int entry)
{
    QWidget *dialog = m_host->create(entry);
    m_dialogs.append(dialog);
    return dialog;
}

int TestBoards::centre(const QString &address)
{
    quint16 high = 0, low = 0;
    if (!m_host->memory.findParameter(address, &high, &low))
        return -1;
    const int middle = (m_host->memory.minimum(high, low, 0) + m_host->memory.maximum(high, low, 0)) / 2;
    m_host->memory.setValue(high, low, 0, middle);
    return m_host->memory.value(address);
}

void TestBoards::formHasItsSizeAndPages_data()
{
    QTest::addColumn<QString>("model");
    for (const Board &board : boards)
        QTest::newRow(board.model) << QString::fromLatin1(board.model);
}

void TestBoards::formHasItsSizeAndPages()
{
    QFETCH(QString, model);
    const Board &board = boardOf(model);
    QWidget *dialog = create(board.entry);
    QVERIFY(dialog);
    const QString title = QStringLiteral("XPB900-%1 Native Parameter").arg(model);
    QCOMPARE(dialog->objectName(), title);
    QCOMPARE(dialog->windowTitle(), title);
    QCOMPARE(dialog->minimumSize(), QSize(board.width, 339));
    QCOMPARE(dialog->maximumSize(), QSize(board.width, 339));
    QCOMPARE(dialog->size(), QSize(board.width, 339));

    // The class the host's extension wraps, with the signals its helpers
    // are connected to.
    QCOMPARE(QLatin1String(dialog->metaObject()->className()), QStringLiteral("XPB900%1").arg(model));
    const QMetaObject *meta = dialog->metaObject();
    QVERIFY(meta->indexOfSignal("signalInitialise()") >= 0);
    QVERIFY(meta->indexOfSignal("signalUpdateTabs()") >= 0);
    QCOMPARE(meta->indexOfSignal("signalRegisterNotifier(QString,bool)") >= 0, model == "JQ");

    auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("tabWidget2"));
    QVERIFY(tabs);
    QCOMPARE(tabs->geometry(), QRect(0, 0, board.width, 339));
    QCOMPARE(tabs->count(), board.secondPage ? 2 : 1);
    QCOMPARE(tabs->widget(0)->objectName(), QStringLiteral("tab0"));
    QCOMPARE(tabs->tabText(0), QStringLiteral("XPB900-%1 NATIVE PARAMETER").arg(model));
    if (board.secondPage) {
        QCOMPARE(tabs->widget(1)->objectName(), QStringLiteral("tab0_2"));
        QCOMPARE(tabs->tabText(1), QLatin1String(board.secondPage));
    }
    // A page holds its rows and nothing else.
    for (int page = 0; page < tabs->count(); ++page) {
        const QWidgetList children = tabs->widget(page)->findChildren<QWidget *>(
            QString(), Qt::FindDirectChildrenOnly);
        QCOMPARE(children.size(), 3 * rowsOf(model, page + 1).size());
    }
}

void TestBoards::rowSitsOnTheGridBoundToItsParameter_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(expectedRows)); ++i) {
        const Expected &row = expectedRows[i];
        QTest::addRow("%s page %d column %d row %d %s", row.board, row.page, row.column, row.row,
                      row.caption)
            << i;
    }
}

// The row's value field, fader and caption: named by the form's running
// numbers, on the grid, with their settings, the caption's text letter for
// letter, both controls bound to the row's parameter and showing its value.
void TestBoards::rowSitsOnTheGridBoundToItsParameter()
{
    QFETCH(int, index);
    const Expected &row = expectedRows[index];
    QWidget *dialog = open(boardOf(QLatin1String(row.board)).entry);
    QVERIFY(dialog);
    QWidget *page = dialog->findChild<QWidget *>(pageName(row.page));
    QVERIFY(page);
    const RowNames names = namesOf(row);
    auto *value = page->findChild<CTextSlider *>(names.valueField, Qt::FindDirectChildrenOnly);
    auto *fader = page->findChild<CFader *>(names.fader, Qt::FindDirectChildrenOnly);
    auto *caption = page->findChild<QLabel *>(names.caption, Qt::FindDirectChildrenOnly);
    QVERIFY2(value, qPrintable(names.valueField));
    QVERIFY2(fader, qPrintable(names.fader));
    QVERIFY2(caption, qPrintable(names.caption));

    const QRect field = valueFieldAt(row.column, row.row);
    QCOMPARE(value->geometry(), field);
    QCOMPARE(fader->geometry(), QRect(field.x() + 70, field.y(), 55, 16));
    QCOMPARE(caption->geometry(), QRect(field.x() - 5, field.y() - 16, row.captionWidth, 16));
    QCOMPARE(caption->text(), QLatin1String(row.caption));

    const QString address = QLatin1String(row.address);
    QCOMPARE(value->namedAddress(), address);
    QCOMPARE(fader->namedAddress(), address);

    QCOMPARE(value->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QCOMPARE(value->palette().color(QPalette::Window), QColor(0, 0, 0));
    QCOMPARE(value->tableId(), 0);
    QVERIFY(value->useTableId());
    QVERIFY(value->clickStepping());
    QVERIFY(value->enableFocusRect());
    QCOMPARE(fader->orientation(), Qt::Horizontal);
    QCOMPARE(fader->tableId(), 0);
    QCOMPARE(fader->focusColor(), QColor(155, 255, 255));
    QVERIFY(!fader->pixmap().isNull());
    QVERIFY(!fader->thumbImage().isNull());

    // The memory knows the parameter by exactly this name: both controls
    // bind to it, show it, and the value field shows its value's text.
    quint16 high = 0, low = 0;
    QVERIFY2(m_host->memory.findParameter(address, &high, &low), qPrintable(address));
    QVERIFY(!m_host->memory.name(high, low, 0).isEmpty());
    QVERIFY(m_host->memory.minimum(high, low, 0) < m_host->memory.maximum(high, low, 0));
    QVERIFY(value->isBound());
    QVERIFY(fader->isBound());
    // Not withdrawn (a second page is not on view until the user turns to it).
    QVERIFY(value->isVisibleTo(page));
    QVERIFY(fader->isVisibleTo(page));
    QVERIFY(caption->isVisibleTo(page));
    const int current = m_host->memory.value(address);
    QCOMPARE(value->value(), current);
    QCOMPARE(fader->value(), current);
    QVERIFY(!value->shownText().isEmpty());
    QCOMPARE(value->shownText(), m_host->memory.valueText(address, 0, current));
}

void TestBoards::noTwoRowsShareAnAddress_data()
{
    formHasItsSizeAndPages_data();
}

// Over both pages of a board, no address is carried by two rows: each is on
// exactly one value field and one fader.
void TestBoards::noTwoRowsShareAnAddress()
{
    QFETCH(QString, model);
    QWidget *dialog = create(boardOf(model).entry);
    QVERIFY(dialog);
    QMap<QString, int> valueFields, faders;
    for (CTextSlider *value : dialog->findChildren<CTextSlider *>())
        ++valueFields[value->namedAddress()];
    for (CFader *fader : dialog->findChildren<CFader *>())
        ++faders[fader->namedAddress()];
    QCOMPARE(valueFields.size(), rowsOf(model, 1).size() + rowsOf(model, 2).size());
    for (auto it = valueFields.cbegin(); it != valueFields.cend(); ++it) {
        QVERIFY2(it.key().startsWith(QStringLiteral("FEkPluginNative%1/kPlgNtv%1").arg(model)),
                 qPrintable(it.key()));
        QVERIFY2(it.value() == 1, qPrintable(it.key()));
        QVERIFY2(faders.value(it.key()) == 1, qPrintable(it.key()));
    }
    QCOMPARE(faders.size(), valueFields.size());
}

void TestBoards::emptyCellsStayEmpty_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("page");
    for (const Board &board : boards) {
        QTest::addRow("%s page 1", board.model) << QString::fromLatin1(board.model) << 1;
        if (board.secondPage)
            QTest::addRow("%s page 2", board.model) << QString::fromLatin1(board.model) << 2;
    }
}

// Every grid cell the board's table leaves free shows nothing: no value
// field, no fader, no caption over it.
void TestBoards::emptyCellsStayEmpty()
{
    QFETCH(QString, model);
    QFETCH(int, page);
    QWidget *dialog = create(boardOf(model).entry);
    QVERIFY(dialog);
    QWidget *pageWidget = dialog->findChild<QWidget *>(pageName(page));
    QVERIFY(pageWidget);
    const QList<const Expected *> rows = rowsOf(model, page);
    const int columns = boardOf(model).width == 647 ? 4 : 3;
    int empty = 0;
    for (int column = 1; column <= columns; ++column) {
        for (int r = 1; r <= 8; ++r) {
            const bool used = std::any_of(rows.cbegin(), rows.cend(), [&](const Expected *row) {
                return row->column == column && row->row == r;
            });
            if (used)
                continue;
            ++empty;
            const QRect field = valueFieldAt(column, r);
            const QString where = QStringLiteral("column %1 row %2").arg(column).arg(r);
            QVERIFY2(!pageWidget->childAt(field.center()), qPrintable(where));
            QVERIFY2(!pageWidget->childAt(field.center() + QPoint(70, 0)), qPrintable(where));
            QVERIFY2(!pageWidget->childAt(field.topLeft() + QPoint(0, -8)), qPrintable(where));
        }
    }
    QCOMPARE(empty, columns * 8 - int(rows.size()));
}

void TestBoards::keysOnAValueFieldEditTheParameter_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("step");
    QTest::newRow("JQ ReleaseTIme up") << 29 << "FEkPluginNativeJQ/kPlgNtvJQAMPEGReleaseTIme" << int(Qt::Key_Up) << 1;
    QTest::newRow("JW JWJYMode down") << 30 << "FEkPluginNativeJW/kPlgNtvJWJYMode" << int(Qt::Key_Down) << -1;
    QTest::newRow("JV NoteSel4Rev up") << 31 << "FEkPluginNativeJV/kPlgNtvJVNoteSel4Rev" << int(Qt::Key_Up) << 1;
    QTest::newRow("JK AC4ParamDepth down") << 32 << "FEkPluginNativeJK/kPlgNtvJKAC4ParamDepth" << int(Qt::Key_Down) << -1;
    QTest::newRow("JZ InsDryWet up") << 33 << "FEkPluginNativeJZ/kPlgNtvJZInsDryWet" << int(Qt::Key_Up) << 1;
    QTest::newRow("JY AC2EL2 up") << 34 << "FEkPluginNativeJY/kPlgNtvJYAC2EL2" << int(Qt::Key_Up) << 1;
    QTest::newRow("JX ThroutDepth down") << 35 << "FEkPluginNativeJX/kPlgNtvJXThroutDepth" << int(Qt::Key_Down) << -1;
    QTest::newRow("JX FilterEQDepth up") << 35 << "FEkPluginNativeJX/kPlgNtvJXFilterEQDepth" << int(Qt::Key_Up) << 1;
}

void TestBoards::keysOnAValueFieldEditTheParameter()
{
    QFETCH(int, entry);
    QFETCH(QString, address);
    QFETCH(int, key);
    QFETCH(int, step);
    QWidget *dialog = open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int before = centre(address);
    QVERIFY(before >= 0);
    auto *value = controlAt<CTextSlider>(dialog, address);
    auto *fader = controlAt<CFader>(dialog, address);
    QVERIFY(value && fader);
    QCOMPARE(value->value(), before);
    value->setFocus();
    QTest::keyClick(value, Qt::Key(key));
    QCOMPARE(m_host->memory.value(address), before + step);
    QCOMPARE(value->value(), before + step);
    QCOMPARE(fader->value(), before + step);
    QCOMPARE(value->shownText(), m_host->memory.valueText(address, 0, before + step));
}

void TestBoards::clickingAValueFieldStepsTheParameter_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("rightHalf");
    QTest::newRow("JQ FilterEGReleaseTime right") << 29 << "FEkPluginNativeJQ/kPlgNtvJQFilterEGReleaseTime" << true;
    QTest::newRow("JW InsFeedbackLevel left") << 30 << "FEkPluginNativeJW/kPlgNtvJWInsFeedbackLevel" << false;
    QTest::newRow("JV InsLowEQGain right") << 31 << "FEkPluginNativeJV/kPlgNtvJVInsLowEQGain" << true;
    QTest::newRow("JK Carrier6 left") << 32 << "FEkPluginNativeJK/kPlgNtvJKCarrier6" << false;
    QTest::newRow("JZ NoteSel1Tune right") << 33 << "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Tune" << true;
    QTest::newRow("JY InsFeedback left") << 34 << "FEkPluginNativeJY/kPlgNtvJYInsFeedback" << false;
    QTest::newRow("JX BreathMode right") << 35 << "FEkPluginNativeJX/kPlgNtvJXBreathMode" << true;
}

// With click stepping, a click in the right half of a value field steps
// the parameter up, in the left half down.
void TestBoards::clickingAValueFieldStepsTheParameter()
{
    QFETCH(int, entry);
    QFETCH(QString, address);
    QFETCH(bool, rightHalf);
    QWidget *dialog = open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    const int before = centre(address);
    QVERIFY(before >= 0);
    auto *value = controlAt<CTextSlider>(dialog, address);
    QVERIFY(value);
    const QPoint at(rightHalf ? value->width() - 5 : 5, value->height() / 2);
    QTest::mouseClick(value, Qt::LeftButton, Qt::NoModifier, at);
    const int after = before + (rightHalf ? 1 : -1);
    QCOMPARE(m_host->memory.value(address), after);
    QCOMPARE(value->value(), after);
    QCOMPARE(controlAt<CFader>(dialog, address)->value(), after);
}

void TestBoards::clickingAFaderWritesTheParameter_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("address");
    QTest::newRow("JQ VCO2PulseWidth") << 29 << "FEkPluginNativeJQ/kPlgNtvJQVCO2PulseWidth";
    QTest::newRow("JW InsDelayTime") << 30 << "FEkPluginNativeJW/kPlgNtvJWInsDelayTime";
    QTest::newRow("JV NoteSel4Pan") << 31 << "FEkPluginNativeJV/kPlgNtvJVNoteSel4Pan";
    QTest::newRow("JK RcvJkSysEx") << 32 << "FEkPluginNativeJK/kPlgNtvJKRcvJkSysEx";
    QTest::newRow("JZ InsLFODepth") << 33 << "FEkPluginNativeJZ/kPlgNtvJZInsLFODepth";
    QTest::newRow("JY EL4Level") << 34 << "FEkPluginNativeJY/kPlgNtvJYEL4Level";
    QTest::newRow("JX HarmonicDepth") << 35 << "FEkPluginNativeJX/kPlgNtvJXHarmonicDepth";
}

// A click near the right end of a fader moves its parameter up from the
// minimum; the value field beside it follows.
void TestBoards::clickingAFaderWritesTheParameter()
{
    QFETCH(int, entry);
    QFETCH(QString, address);
    QWidget *dialog = open(entry);
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    quint16 high = 0, low = 0;
    QVERIFY(m_host->memory.findParameter(address, &high, &low));
    const int minimum = m_host->memory.minimum(high, low, 0);
    m_host->memory.setValue(high, low, 0, minimum);
    auto *fader = controlAt<CFader>(dialog, address);
    QVERIFY(fader);
    QTest::mouseClick(fader, Qt::LeftButton, Qt::NoModifier, QPoint(fader->width() - 2, fader->height() / 2));
    const int written = m_host->memory.value(address);
    QVERIFY2(written > minimum, qPrintable(QString::number(written)));
    QCOMPARE(fader->value(), written);
    QCOMPARE(controlAt<CTextSlider>(dialog, address)->value(), written);
}

void TestBoards::closingReportsTheBoardOnce_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("running");
    for (const Board &board : boards) {
        const QString model = QStringLiteral("XPB900-%1").arg(board.model);
        QTest::addRow("%s shown", board.model) << board.entry << model << false;
        QTest::addRow("%s running", board.model) << board.entry << model << true;
    }
}

// Closing a board dialog, shown or running modally as the host runs it,
// tells the host's voice data which board's dialog closed, once; the dialog
// then deletes itself.
void TestBoards::closingReportsTheBoardOnce()
{
    QFETCH(int, entry);
    QFETCH(QString, model);
    QFETCH(bool, running);
    QPointer<QWidget> dialog = open(entry);
    QVERIFY(dialog);
    if (running) {
        IEditorExtensions *extensions = m_host->extensionsOf(dialog);
        QVERIFY(extensions);
        QMetaObject::invokeMethod(dialog, "close", Qt::QueuedConnection);
        QCOMPARE(extensions->runDialog(), VESTRA_S_OK);
    } else {
        QVERIFY(dialog->close());
    }
    QCOMPARE(m_host->voiceData.closedBoards, QStringList{ model });
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    QCOMPARE(m_host->voiceData.closedBoards, QStringList{ model });
}

void TestBoards::closingWithoutVoiceDataStillCloses_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("voiceData");
    for (const Board &board : boards) {
        QTest::addRow("%s no voice data", board.model) << board.entry << "none";
        QTest::addRow("%s foreign voice data", board.model) << board.entry << "foreign";
        QTest::addRow("%s no memory", board.model) << board.entry << "no memory";
    }
}

// Without voice data of the host's kind there is nobody to tell; the dialog
// closes and deletes itself all the same.
void TestBoards::closingWithoutVoiceDataStillCloses()
{
    QFETCH(int, entry);
    QFETCH(QString, voiceData);
    QObject foreign;
    QPointer<QWidget> dialog;
    if (voiceData == QLatin1String("no memory")) {
        dialog = create(entry);
        QVERIFY(dialog);
        dialog->show();
    } else {
        m_host->memory.setVoiceData(voiceData == QLatin1String("foreign") ? &foreign : nullptr);
        dialog = open(entry);
        QVERIFY(dialog);
    }
    QVERIFY(dialog->isVisible());
    QVERIFY(dialog->close());
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_host->voiceData.closedBoards.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
    m_host->memory.setVoiceData(&m_host->voiceData);
}

void TestBoards::otherDialogsReportNothingOnClose_data()
{
    QTest::addColumn<int>("entry");
    for (int entry = 1; entry <= 28; ++entry)
        QTest::addRow("entry %d", entry) << entry;
}

void TestBoards::otherDialogsReportNothingOnClose()
{
    QFETCH(int, entry);
    QPointer<QWidget> dialog = open(entry);
    QVERIFY(dialog);
    QVERIFY(dialog->close());
    QVERIFY(m_host->voiceData.closedBoards.isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!dialog);
}

QTEST_MAIN(TestBoards)
#include "tst_boards.moc"
