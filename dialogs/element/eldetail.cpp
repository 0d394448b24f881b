#include "eldetail.h"

#include <cfader.h>
#include <chotspotlabel.h>
#include <cpopup.h>
#include <csimplenotifier.h>
#include <ctextslider.h>
#include <imemapi.h>

#include <QPixmap>
#include <QPointer>
#include <QTabWidget>

#include <cstddef>
#include <iterator>

namespace {

using Form::Kind;
using Form::nameA;
using Form::nameP;
using Form::Row;
using Form::Widget;

// The rows of each page, as the form was drawn: caption, caption label, value
// field, fader, address, the value field's position, and a row's exception
// ({ caption width } or { 0, fader offset }).
// clang-format off
constexpr Row oscRows[] = {
    { nameP,                 "textLabel504", "cTextSlider456", "cFader457", "FEkNormalElementEQ/kNrmElmEQ1Freq",           20,  142 },
    { nameP,                 "textLabel505", "cTextSlider458", "cFader459", "FEkNormalElementEQ/kNrmElmEQ1Gain",           20,  174 },
    { nameP,                 "textLabel506", "cTextSlider460", "cFader461", "FEkNormalElementEQ/kNrmElmEQ2Freq",           20,  206 },
    { nameP,                 "textLabel507", "cTextSlider462", "cFader463", "FEkNormalElementEQ/kNrmElmEQ2Gain",           20,  238 },
    { nameP,                 "textLabel508", "cTextSlider464", "cFader465", "FEkNormalElementEQ/kNrmElmEQResonance",       20,  270 },
    { "Level",               "textLabel496", "cTextSlider466", "cFader467", "FEkNormalElementAmplitude/kNrmElmLevel",      175, 46 },
    { "Insertion Effect",    "textLabel497", "cTextSlider468", "cFader469", "FEkNormalElement/kNrmElmInsEffSwitch",        175, 78 },
    { "Pan",                 "textLabel509", "cTextSlider470", "cFader471", "FEkNormalElement/kNrmElmPan",                 175, 174 },
    { "Alternate Pan",       "textLabel510", "cTextSlider472", "cFader473", "FEkNormalElement/kNrmElmAlternatePan",        175, 206 },
    { "Random Pan",          "textLabel511", "cTextSlider474", "cFader475", "FEkNormalElement/kNrmElmRandomPan",           175, 238 },
    { "Scaling Pan",         "textLabel512", "cTextSlider476", "cFader477", "FEkNormalElement/kNrmElmScalingPan",          175, 270, { 0, -1 } },
    { "Velocity Cross Fade", "textLabel498", "cTextSlider478", "cFader479", "FEkNormalElement/kNrmElmVeloCrossFade",       330, 46 },
    { nameP,                 "textLabel499", "cTextSlider480", "cFader481", "FEkNormalElement/kNrmElmKeyOnDelay",          330, 78 },
    { nameP,                 "textLabel500", "cTextSlider482", "cFader483", "FEkNormalElement/kNrmElmKeyOnDelayTempoSync", 330, 110 },
    { nameP,                 "textLabel501", "cTextSlider484", "cFader485", "FEkNormalElement/kNrmElmKeyOnDelayTempo",     330, 142 },
    { "Note Limit Low",      "textLabel513", "cTextSlider486", "cFader487", "FEkNormalElement/kNrmElmNoteLimitLow",        330, 174 },
    { "Note Limit High",     "textLabel514", "cTextSlider488", "cFader489", "FEkNormalElement/kNrmElmNoteLimitHigh",       330, 206 },
    { "Velocity Limit Low",  "textLabel515", "cTextSlider490", "cFader491", "FEkNormalElement/kNrmElmVeloLimitLow",        330, 238 },
    { "Velocity Limit High", "textLabel516", "cTextSlider492", "cFader493", "FEkNormalElement/kNrmElmVeloLimitHigh",       330, 270 },
};
// clang-format on

// clang-format off
constexpr Row pitchRows[] = {
    { "Coarse Tune",                  "textLabel566", "cTextSlider518", "cFader519", "FEkNormalElementPitch/kNrmElmCoarseTune",                 20,  30 },
    { "Fine Tune",                    "textLabel567", "cTextSlider520", "cFader521", "FEkNormalElementPitch/kNrmElmFineTune",                   20,  62 },
    { "Fine Scaling Sensitivity",     "textLabel568", "cTextSlider522", "cFader523", "FEkNormalElementPitch/kNrmElmPitchFineScalingSens",       20,  94 },
    { "Key Follow Center Note",       "textLabel569", "cTextSlider524", "cFader525", "FEkNormalElementPitch/kNrmElmPitchKeyFollowCenterNote",   20,  142 },
    { "Key Follow Sensitivity (%)",   "textLabel570", "cTextSlider526", "cFader527", "FEkNormalElementPitch/kNrmElmPitchKeyFollowSens",         20,  174 },
    { "Random Pitch",                 "textLabel571", "cTextSlider528", "cFader529", "FEkNormalElementPitch/kNrmElmRandomPitchSens",            20,  206 },
    { "EG Time Key Follow Cntr Note", "textLabel572", "cTextSlider530", "cFader531", "FEkNormalElementPitch/kNrmElmPEGTimeKeyFollowCenterNote", 20,  238, { 145 } },
    { "EG Time Key Follow Sens",      "textLabel573", "cTextSlider532", "cFader533", "FEkNormalElementPitch/kNrmElmPEGTimeKeyFollowSens",       20,  270, { 145 } },
    { "EG Time Velo Segment",         "textLabel575", "cTextSlider534", "cFader535", "FEkNormalElementPitch/kNrmElmPEGTimeVeloSegment",         175, 46, { 150 } },
    { "EG Time Velo Sens",            "textLabel576", "cTextSlider536", "cFader537", "FEkNormalElementPitch/kNrmElmPEGTimeVeloSens",            175, 78 },
    { "Pitch Sensitivity",            "textLabel577", "cTextSlider538", "cFader539", "FEkNormalElementPitch/kNrmElmVeloPitchSens",              175, 110 },
    { "Hold Time",                    "textLabel578", "cTextSlider540", "cFader541", "FEkNormalElementPitch/kNrmElmPEGHoldTime",                175, 142 },
    { "Attack Time",                  "textLabel579", "cTextSlider542", "cFader543", "FEkNormalElementPitch/kNrmElmPEGAttackTime",              175, 174 },
    { "Decay1 Time",                  "textLabel580", "cTextSlider544", "cFader545", "FEkNormalElementPitch/kNrmElmPEGDecay1Time",              175, 206 },
    { "Decay2 Time",                  "textLabel581", "cTextSlider546", "cFader547", "FEkNormalElementPitch/kNrmElmPEGDecay2Time",              175, 238 },
    { "Release Time",                 "textLabel582", "cTextSlider548", "cFader549", "FEkNormalElementPitch/kNrmElmPEGReleaseTime",             175, 270 },
    { "EG Depth",                     "textLabel583", "cTextSlider550", "cFader551", "FEkNormalElementPitch/kNrmElmPEGDepth",                   330, 46 },
    { "EG Level Velo Sens",           "textLabel584", "cTextSlider552", "cFader553", "FEkNormalElementPitch/kNrmElmPEGLevelVeloSens",           330, 78 },
    { "EG Level Sens Velo Curve",     "textLabel585", "cTextSlider554", "cFader555", "FEkNormalElementPitch/kNrmElmPEGLevelSensVeloCurve",      330, 110 },
    { "Hold Level",                   "textLabel586", "cTextSlider556", "cFader557", "FEkNormalElementPitch/kNrmElmPEGHoldLevel",               330, 142 },
    { "Attack Level",                 "textLabel587", "cTextSlider558", "cFader559", "FEkNormalElementPitch/kNrmElmPEGAttackLevel",             330, 174 },
    { "Decay1 Level",                 "textLabel588", "cTextSlider560", "cFader561", "FEkNormalElementPitch/kNrmElmPEGDecay1Level",             330, 206 },
    { "Decay2 Level",                 "textLabel589", "cTextSlider562", "cFader563", "FEkNormalElementPitch/kNrmElmPEGDecay2Level",             330, 238 },
    { "Release Level",                "textLabel590", "cTextSlider564", "cFader565", "FEkNormalElementPitch/kNrmElmPEGReleaseLevel",            330, 270 },
};
// clang-format on

// clang-format off
constexpr Row filterEGRows[] = {
    { nameA,                  "textLabel638", "cTextSlider593", "cFader594", "FEkNormalElementFilter/kNrmElmFilterGain",           20,  78 },
    { nameA,                  "textLabel660", "cTextSlider595", "cFader596", "FEkNormalElementFilter/kNrmElmDistance",             20,  110 },
    { nameA,                  "textLabel639", "cTextSlider597", "cFader598", "FEkNormalElementFilter/kNrmElmFilterCutoffFreq",     20,  142 },
    { nameA,                  "textLabel640", "cTextSlider599", "cFader600", "FEkNormalElementFilter/kNrmElmFilterCutoffVeloSens", 20,  174 },
    { nameA,                  "textLabel641", "cTextSlider601", "cFader602", "FEkNormalElementFilter/kNrmElmFilterResonance",      20,  206 },
    { nameA,                  "textLabel642", "cTextSlider603", "cFader604", "FEkNormalElementFilter/kNrmElmFilterResoVeloSens",   20,  238 },
    { nameA,                  "textLabel643", "cTextSlider605", "cFader606", "FEkNormalElementFilter/kNrmElmHPFCutoffFreq",        20,  270 },
    { "EG Time Velo Segment", "textLabel645", "cTextSlider607", "cFader608", "FEkNormalElementFilter/kNrmElmFEGTimeVeloSegment",   175, 46, { 145 } },
    { "EG Time Velo Sens",    "textLabel646", "cTextSlider609", "cFader610", "FEkNormalElementFilter/kNrmElmFEGTimeVeloSens",      175, 78 },
    { "EG Level Velo Curve",  "textLabel647", "cTextSlider611", "cFader612", "FEkNormalElementFilter/kNrmElmFEGLevelVeloCurve",    175, 110 },
    { "Hold Time",            "textLabel648", "cTextSlider613", "cFader614", "FEkNormalElementFilter/kNrmElmFEGHoldTime",          175, 142 },
    { "Attack Time",          "textLabel649", "cTextSlider615", "cFader616", "FEkNormalElementFilter/kNrmElmFEGAttackTime",        175, 174 },
    { "Decay1 Time",          "textLabel650", "cTextSlider617", "cFader618", "FEkNormalElementFilter/kNrmElmFEGDecay1Time",        175, 206 },
    { "Decay2 Time",          "textLabel651", "cTextSlider619", "cFader620", "FEkNormalElementFilter/kNrmElmFEGDecay2Time",        175, 238 },
    { "Release Time",         "textLabel652", "cTextSlider621", "cFader622", "FEkNormalElementFilter/kNrmElmFEGReleaseTime",       175, 270 },
    { "EG Depth",             "textLabel653", "cTextSlider623", "cFader624", "FEkNormalElementFilter/kNrmElmFEGDepth",             330, 46 },
    { "EG Level Velo Sens",   "textLabel654", "cTextSlider625", "cFader626", "FEkNormalElementFilter/kNrmElmFEGLevelVeloSens",     330, 78 },
    { "Hold Level",           "textLabel655", "cTextSlider627", "cFader628", "FEkNormalElementFilter/kNrmElmFEGHoldLevel",         330, 142 },
    { "Attack Level",         "textLabel656", "cTextSlider629", "cFader630", "FEkNormalElementFilter/kNrmElmFEGAttackLevel",       330, 174 },
    { "Decay1 Level",         "textLabel657", "cTextSlider631", "cFader632", "FEkNormalElementFilter/kNrmElmFEGDecay1Level",       330, 206 },
    { "Decay2 Level",         "textLabel658", "cTextSlider633", "cFader634", "FEkNormalElementFilter/kNrmElmFEGDecay2Level",       330, 238 },
    { "Release Level",        "textLabel659", "cTextSlider635", "cFader636", "FEkNormalElementFilter/kNrmElmFEGReleaseLevel",      330, 270 },
};
// clang-format on

// clang-format off
constexpr Row filterScaleRows[] = {
    { "Key Follow Sens (%)", "textLabel688", "cTextSlider663", "cFader664", "FEkNormalElementFilter/kNrmElmFilterCutoffKeyFollowSens",  20,  78 },
    { "Break Point1",        "textLabel690", "cTextSlider665", "cFader666", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingBP1",     175, 78 },
    { "Break Point2",        "textLabel691", "cTextSlider667", "cFader668", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingBP2",     175, 110 },
    { "Break Point3",        "textLabel692", "cTextSlider669", "cFader670", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingBP3",     175, 142 },
    { "Break Point4",        "textLabel693", "cTextSlider671", "cFader672", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingBP4",     175, 174 },
    { "Offset1",             "textLabel696", "cTextSlider673", "cFader674", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingOffset1", 330, 78 },
    { "Offset2",             "textLabel697", "cTextSlider675", "cFader676", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingOffset2", 330, 110 },
    { "Offset3",             "textLabel698", "cTextSlider677", "cFader678", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingOffset3", 330, 142 },
    { "Offset4",             "textLabel699", "cTextSlider679", "cFader680", "FEkNormalElementFilter/kNrmElmFilterCutoffScalingOffset4", 330, 174 },
    { nameA,                 "textLabel689", "cTextSlider681", "cFader682", "FEkNormalElementFilter/kNrmElmHPFCutoffKeyFollowSens",     20,  238 },
    { "Center Note",         "textLabel695", "cTextSlider683", "cFader684", "FEkNormalElementFilter/kNrmElmFEGTimeKeyFollowCenterNote", 175, 238 },
    { "Sensitivity",         "textLabel700", "cTextSlider685", "cFader686", "FEkNormalElementFilter/kNrmElmFEGTimeKeyFollowSens",       330, 238 },
};
// clang-format on

// clang-format off
constexpr Row ampEGRows[] = {
    { "EG Time Velo Segment", "textLabel727", "cTextSlider702", "cFader703", "FEkNormalElementAmplitude/kNrmElmAEGTimeVeloSegment", 175, 46, { 144 } },
    { "EG Time Velo Sens",    "textLabel728", "cTextSlider704", "cFader705", "FEkNormalElementAmplitude/kNrmElmAEGTimeVeloSens",    175, 78 },
    { "EG Level Velo Curve",  "textLabel729", "cTextSlider706", "cFader707", "FEkNormalElementAmplitude/kNrmElmLevelSensVoloCurve", 175, 110, { 100 } },
    { "Attack Time",          "textLabel730", "cTextSlider708", "cFader709", "FEkNormalElementAmplitude/kNrmElmAEGAttackTime",      175, 174 },
    { "Decay1 Time",          "textLabel731", "cTextSlider710", "cFader711", "FEkNormalElementAmplitude/kNrmElmAEGDecay1Time",      175, 206 },
    { "Decay2 Time",          "textLabel732", "cTextSlider712", "cFader713", "FEkNormalElementAmplitude/kNrmElmAEGDecay2Time",      175, 238 },
    { "Release Time",         "textLabel733", "cTextSlider714", "cFader715", "FEkNormalElementAmplitude/kNrmElmAEGReleaseTime",     175, 270 },
    { "EG Level Velo Sens",   "textLabel734", "cTextSlider716", "cFader717", "FEkNormalElementAmplitude/kNrmElmLevelVeloSens",      330, 78 },
    { "Init Level",           "textLabel735", "cTextSlider718", "cFader719", "FEkNormalElementAmplitude/kNrmElmAEGInitLevel",       330, 142 },
    { "Attack Level",         "textLabel736", "cTextSlider720", "cFader721", "FEkNormalElementAmplitude/kNrmElmAEGAttackLevel",     330, 174 },
    { "Decay1 Level",         "textLabel737", "cTextSlider722", "cFader723", "FEkNormalElementAmplitude/kNrmElmAEGDecay1Level",     330, 206 },
    { "Decay2 Level",         "textLabel738", "cTextSlider724", "cFader725", "FEkNormalElementAmplitude/kNrmElmAEGDecay2Level",     330, 238 },
    { "Sustain Time",         "textLabel804", "cTextSlider800", "cFader801", "FEkNormalElementAmplitude/kNrmElmAEGSustainTime",     10,  230 },
    { "Half Damper Switch",   "textLabel805", "cTextSlider802", "cFader803", "FEkNormalElement/kNrmElmHalfDamperSw",                10,  270 },
};
// clang-format on

// clang-format off
constexpr Row ampScaleRows[] = {
    { "Key Follow Sens (%)", "textLabel764", "cTextSlider741", "cFader742", "FEkNormalElementAmplitude/kNrmElmLevelKeyFollowSens",          20,  78 },
    { "Break Point1",        "textLabel765", "cTextSlider743", "cFader744", "FEkNormalElementAmplitude/kNrmElmLevelScalingBP1",             175, 78 },
    { "Break Point2",        "textLabel766", "cTextSlider745", "cFader746", "FEkNormalElementAmplitude/kNrmElmLevelScalingBP2",             175, 110 },
    { "Break Point3",        "textLabel767", "cTextSlider747", "cFader748", "FEkNormalElementAmplitude/kNrmElmLevelScalingBP3",             175, 142 },
    { "Break Point4",        "textLabel768", "cTextSlider749", "cFader750", "FEkNormalElementAmplitude/kNrmElmLevelScalingBP4",             175, 174 },
    { "Offset1",             "textLabel769", "cTextSlider751", "cFader752", "FEkNormalElementAmplitude/kNrmElmLevelScalingOffset1",         330, 78 },
    { "Offset2",             "textLabel770", "cTextSlider753", "cFader754", "FEkNormalElementAmplitude/kNrmElmLevelScalingOffset2",         330, 110 },
    { "Offset3",             "textLabel771", "cTextSlider755", "cFader756", "FEkNormalElementAmplitude/kNrmElmLevelScalingOffset3",         330, 142 },
    { "Offset4",             "textLabel772", "cTextSlider757", "cFader758", "FEkNormalElementAmplitude/kNrmElmLevelScalingOffset4",         330, 174 },
    { "Center Note",         "textLabel774", "cTextSlider759", "cFader760", "FEkNormalElementAmplitude/kNrmElmAEGTimeKeyFollowCenterNotes", 175, 238 },
    { "Sensitivity",         "textLabel775", "cTextSlider761", "cFader762", "FEkNormalElementAmplitude/kNrmElmAEGTimeKeyFollowSens",        330, 238 },
};
// clang-format on

// clang-format off
constexpr Row lfoRows[] = {
    { "Wave",              "textLabel792", "cTextSlider776", "cFader777", "FEkNormalElementLFO/kNrmElmLFOWave",           20,  46 },
    { "Key On Reset",      "textLabel793", "cTextSlider778", "cFader779", "FEkNormalElementLFO/kNrmElmLFOKeyOnSync",      175, 46 },
    { "Speed",             "textLabel794", "cTextSlider780", "cFader781", "FEkNormalElementLFO/kNrmElmLFOSpeed",          175, 78 },
    { "PMod Depth",        "textLabel795", "cTextSlider782", "cFader783", "FEkNormalElementLFO/kNrmElmLFOPModDepth",      175, 142 },
    { "FMod Depth",        "textLabel796", "cTextSlider784", "cFader785", "FEkNormalElementLFO/kNrmElmLFOFModDepth",      175, 174 },
    { "AMod Depth",        "textLabel797", "cTextSlider786", "cFader787", "FEkNormalElementLFO/kNrmElmLFOAModDepth",      175, 206 },
    { "Key On Delay Time", "textLabel798", "cTextSlider788", "cFader789", "FEkNormalElementLFO/kNrmElmLFOKeyOnDelayTime", 330, 46, { 105 } },
    { "Fade In Time",      "textLabel799", "cTextSlider790", "cFader791", "FEkNormalElementLFO/kNrmElmLFOFadeInTime",     330, 78, { 95 } },
};
// clang-format on
// The other widgets of each page.
// clang-format off
constexpr Widget oscWidgets[] = {
    { Kind::Label,        "textLabel495_2",   15,  10,  130, 15,  "Type" },
    { Kind::Popup,        "waveSelect",       85,  30,  60,  16 },
    { Kind::Label,        "textLabel495",     15,  50,  130, 15,  "Wave" },
    { Kind::HotspotLabel, "cWaveLabel453",    20,  66,  125, 16 },
    { Kind::Frame,        "line454",          8,   105, 147, 195 },
    { Kind::Label,        "textLabel502",     18,  95,  22,  20,  "EQ" },
    { Kind::Label,        "textLabel503",     50,  110, 30,  16,  "Type" },
    { Kind::Popup,        "cPullDownMenu455", 85,  110, 60,  16,  nullptr, "FEkNormalElementEQ/kNrmElmEQType" },
};
// clang-format on

constexpr Widget pitchWidgets[] = {
    { Kind::Frame, "line517", 160, 17, 306, 282 },
    { Kind::Label, "textLabel574", 170, 7, 49, 20, "Pitch EG" },
};

// clang-format off
constexpr Widget filterEGWidgets[] = {
    { Kind::Label, "textLabel637",     15,  30, 130, 16,  "Filter Type" },
    { Kind::Popup, "cPullDownMenu592", 20,  46, 75,  16,  nullptr, "FEkNormalElementFilter/kNrmElmFilterType" },
    { Kind::Frame, "line591",          160, 17, 306, 282 },
    { Kind::Label, "textLabel644",     170, 7,  49,  20,  "Filter EG" },
};
// clang-format on

// clang-format off
constexpr Widget filterScaleWidgets[] = {
    { Kind::Frame, "line661",      8,   45,  460, 156 },
    { Kind::Label, "textLabel687", 18,  35,  136, 20, "Cutoff Frequency Scaling" },
    { Kind::Frame, "line662",      160, 213, 308, 60 },
    { Kind::Label, "textLabel694", 170, 203, 100, 20, "EG Time Key Follow" },
};
// clang-format on

constexpr Widget ampEGWidgets[] = {
    { Kind::Frame, "line701", 160, 16, 306, 282 },
    { Kind::Label, "textLabel726", 170, 7, 76, 20, "Amplitude EG" },
};

// clang-format off
constexpr Widget ampScaleWidgets[] = {
    { Kind::Frame, "line739",      8,   45,  460, 156 },
    { Kind::Label, "textLabel763", 18,  35,  98,  20, "Amplitude Scaling" },
    { Kind::Frame, "line740",      160, 213, 308, 60 },
    { Kind::Label, "textLabel773", 170, 203, 105, 20, "EG Time Key Follow" },
};
// clang-format on

struct Page
{
    const char *objectName;
    const char *label;
    const Row *rows;
    std::size_t rowCount;
    const Widget *widgets;
    std::size_t widgetCount;
    int captionWidth;
};

template <std::size_t R, std::size_t W>
constexpr Page page(const char *objectName, const char *label, const Row (&rows)[R],
                    const Widget (&widgets)[W], int captionWidth = 130)
{
    return { objectName, label, rows, R, widgets, W, captionWidth };
}
template <std::size_t R>
constexpr Page page(const char *objectName, const char *label, const Row (&rows)[R],
                    int captionWidth)
{
    return { objectName, label, rows, R, nullptr, 0, captionWidth };
}

// clang-format off
const Page pages[] = {
    page("tab0",   "OSC",          oscRows,         oscWidgets),
    page("tab0_2", "PITCH",        pitchRows,       pitchWidgets),
    page("tab0_3", "FILTER EG",    filterEGRows,    filterEGWidgets),
    page("tab0_4", "FILTER SCALE", filterScaleRows, filterScaleWidgets),
    page("tab0_5", "AMP EG",       ampEGRows,       ampEGWidgets),
    page("tab0_6", "AMP SCALE",    ampScaleRows,    ampScaleWidgets),
    page("tab0_7", "LFO",          lfoRows,         80),
};
// clang-format on

// The name labels whose parameter init() names, in the order it enters them.
// clang-format off
constexpr const char *nameLabels[][2] = {
    { "textLabel504", "FEkNormalElementEQ/kNrmElmEQ1Freq" },
    { "textLabel505", "FEkNormalElementEQ/kNrmElmEQ1Gain" },
    { "textLabel506", "FEkNormalElementEQ/kNrmElmEQ2Freq" },
    { "textLabel507", "FEkNormalElementEQ/kNrmElmEQ2Gain" },
    { "textLabel508", "FEkNormalElementEQ/kNrmElmEQResonance" },
    { "textLabel499", "FEkNormalElement/kNrmElmKeyOnDelay" },
    { "textLabel500", "FEkNormalElement/kNrmElmKeyOnDelayTempoSync" },
    { "textLabel501", "FEkNormalElement/kNrmElmKeyOnDelayTempo" },
};
// clang-format on

// The rows of the amplitude envelope page that this dialog does not offer:
// they stay hidden and bound to nothing.
constexpr const char *withdrawnRows[] = { "textLabel804", "cTextSlider800", "cFader801",
                                          "textLabel805", "cTextSlider802", "cFader803" };

// The parameters whose change reshapes the form, and whether their notifier
// may flush.
constexpr struct
{
    const char *address;
    bool canFlush;
} reshapingParameters[] = {
    { "FEkNormalElementEQ/kNrmElmEQType", false },
    { "FEkNormalElementFilter/kNrmElmFilterType", false },
    { "FEkNormalElement/kNrmElmKeyOnDelayTempoSync", true },
    { "FEkNormalElement/kNrmElmWaveNumber", true },
};

constexpr char waveNumberAddress[] = "FEkNormalElement/kNrmElmWaveNumber";
constexpr unsigned lastPresetWave = 1859;
constexpr unsigned firstUserWave = 8192;
constexpr unsigned userWaveCount = 256;

bool isValidElement(int element)
{
    return element >= 1 && element <= 4;
}

} // namespace

ELDetail::ELDetail(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("ELDetail"));
    fixSize(Width, Height);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, Width, Height);
    for (std::size_t i = 0; i < std::size(pages); ++i) {
        const Page &p = pages[i];
        QWidget *pageWidget = new QWidget(tabWidget2);
        pageWidget->setObjectName(QLatin1String(p.objectName));
        Form::RowLayout layout;
        layout.captionWidth = p.captionWidth;
        Form::Builder(pageWidget)
            .rows(p.rows, p.rowCount, layout)
            .widgets(p.widgets, p.widgetCount)
            .build(m_form);
        tabWidget2->addTab(pageWidget, QString());
        m_pages[i] = pageWidget;
    }

    waveSelect = m_form.find<CPopup>("waveSelect");
    cWaveLabel453 = m_form.find<CHotspotLabel>("cWaveLabel453");
    cPullDownMenu455 = m_form.find<CPopup>("cPullDownMenu455");
    cPullDownMenu592 = m_form.find<CPopup>("cPullDownMenu592");
    for (CPopup *popup : { waveSelect, cPullDownMenu455, cPullDownMenu592 })
        Form::setUpPopup(popup, Qt::black, Qt::WheelFocus, 1);
    Form::setUpDisplay(cWaveLabel453);

    languageChange();
    resizeToForm(Width, Height);
    connect(cWaveLabel453, &CHotspotLabel::hotspotClicked, this, &ELDetail::slotWaveTypeClicked);
    setUpFocusChain();
    init();
}

// The tab widget, the wave controls and the EQ type, then every row page by
// page, value field before fader, with the filter type before the filter page.
void ELDetail::setUpFocusChain()
{
    QList<QWidget *> chain = { tabWidget2, waveSelect, cWaveLabel453, cPullDownMenu455 };
    const Row *filterPageRows = pages[2].rows;
    for (const Form::RowWidgets &row : m_form.rows) {
        if (row.row == filterPageRows)
            chain << cPullDownMenu592;
        if (qstrcmp(row.row->captionLabel, "textLabel804") == 0
            || qstrcmp(row.row->captionLabel, "textLabel805") == 0)
            continue;
        chain << row.valueField << row.fader;
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
}

void ELDetail::init()
{
    for (const auto &entry : nameLabels)
        labelAddressMap.emplace(QLatin1String(entry[0]), QLatin1String(entry[1]));
    cWaveLabel453->setHotButtons(Qt::LeftButton | Qt::RightButton);
    for (const char *name : withdrawnRows) {
        QWidget *widget = m_form.byName.value(QLatin1String(name));
        widget->hide();
        if (auto *proxy = dynamic_cast<TMemProxy *>(widget))
            proxy->setNamedAddress(QString());
    }
}

void ELDetail::setElement(const int element)
{
    m_element = element;
    if (IMemAPI *api = memAPI())
        api->assignEditChannel(this, element - 1);
}

void ELDetail::connectMemAPI()
{
    IMemAPI *api = memAPI();
    if (!api)
        return;
    const int channel = m_element - 1;
    if (isValidElement(m_element)) {
        m_waveNotifier = new CSimpleNotifier(this, nullptr);
        CSimpleNotifier::Create(api, this, QLatin1String(waveNumberAddress), channel,
                                "1waveChangedNormal(int)", m_waveNotifier, nullptr);
        waveSelect->setNamedAddress(QString());
        waveSelect->hide();
        m_form.byName.value(QStringLiteral("textLabel495_2"))->hide();
        setWindowTitle(tr("Element") + QStringLiteral(" %1 ").arg(m_element) + tr("Detail"));
        api->assignEditChannel(this, channel);
    }
    emit signalSetEditChannel(channel);
    for (const auto &parameter : reshapingParameters)
        emit signalRegisterNotifier(QLatin1String(parameter.address), parameter.canFlush);
    emit signalInitialise();
    emit signalUpdateTabs();
}

void ELDetail::waveChangedNormal(int)
{
    updateWaveLabel(m_waveNotifier, cWaveLabel453);
    emit signalUpdateTabs();
}

void ELDetail::updateWaveLabel(CSimpleNotifier *notifier, CHotspotLabel *label)
{
    IMemAPI *api = memAPI();
    if (!api || !notifier)
        return;
    const auto wave = static_cast<unsigned>(notifier->getValue());
    QString text;
    if (wave <= lastPresetWave) {
        QPixmap unused;
        api->parameterText(notifier->part, IMemAPI::ValueText, text, unused, int(wave), 0,
                           notifier->high, notifier->low);
    } else if (wave - firstUserWave < userWaveCount) {
        text = QStringLiteral("User %1").arg(wave - firstUserWave + 1);
    }
    label->setText(text);
}

void ELDetail::slotWaveTypeClicked()
{
    emit signalWaveTypeSelect(m_element);
}

void ELDetail::languageChange()
{
    setWindowTitle(tr("Element Detail"));
    Form::applyTexts("ELDetail", m_form);
    for (std::size_t i = 0; i < std::size(pages); ++i)
        tabWidget2->setTabText(tabWidget2->indexOf(m_pages[i]), tr(pages[i].label));
    for (CPopup *popup : { waveSelect, cPullDownMenu455, cPullDownMenu592 })
        popup->setButtonText(QString());
}
