#include "pluginelementdetail.h"

#include <QTabWidget>

namespace {

using Form::Row;

// caption, caption label, value field, fader, address, the value field's
// position, and the one fader that sits a pixel low.
// clang-format off
constexpr Row rows[] = {
    { "Velocity Sense Depth",    "textLabel2481", "cTextSlider2453", "cFader2454", "00kNormalElement/kNrmElmVeloSensDepth",       20,  46 },
    { "Velocity Sense Offset",   "textLabel2482", "cTextSlider2455", "cFader2456", "00kNormalElement/kNrmElmVeloSensOffset",      20,  78 },
    { "HPF Cutoff Frequency",    "textLabel2483", "cTextSlider2457", "cFader2458", "00kNormalElement/kNrmElmHPFCutoffFreq",       20,  142 },
    { "Pitch EG Initial Level",  "textLabel2484", "cTextSlider2459", "cFader2460", "00kNormalElement/kNrmElmPitchEGInitialLevel", 175, 46 },
    { "Pitch EG Attack Time",    "textLabel2485", "cTextSlider2461", "cFader2462", "00kNormalElement/kNrmElmPitchEGAttackTime",   175, 78 },
    { "Pitch EG Release Level",  "textLabel2486", "cTextSlider2463", "cFader2464", "00kNormalElement/kNrmElmPitchEGReleaseLevel", 175, 110 },
    { "Pitch EG Release Time",   "textLabel2487", "cTextSlider2465", "cFader2466", "00kNormalElement/kNrmElmPitchEGReleaseTime",  175, 142 },
    { "LFO Speed",               "textLabel2488", "cTextSlider2467", "cFader2468", "00kNormalElement/kNrmElmLFOSpeed",            175, 206 },
    { "LFO Pitch Depth",         "textLabel2489", "cTextSlider2469", "cFader2470", "00kNormalElement/kNrmElmLFOPitchDepth",       175, 238 },
    { "LFO Delay",               "textLabel2490", "cTextSlider2471", "cFader2472", "00kNormalElement/kNrmElmLFODelay",            175, 270, { 0, 1 } },
    { "EQ Low Frequency (kHz)",  "textLabel2491", "cTextSlider2473", "cFader2474", "00kNormalElement/kNrmElmEQLowFreq",           330, 46 },
    { "EQ Low Gain",             "textLabel2492", "cTextSlider2475", "cFader2476", "00kNormalElement/kNrmElmEQLowGain",           330, 78 },
    { "EQ High Frequency (kHz)", "textLabel2493", "cTextSlider2477", "cFader2478", "00kNormalElement/kNrmElmEQHighFreq",          330, 110 },
    { "EQ High Gain",            "textLabel2494", "cTextSlider2479", "cFader2480", "00kNormalElement/kNrmElmEQHighGain",          330, 142 },
};
// clang-format on

} // namespace

PluginElementDetail::PluginElementDetail(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QStringLiteral("PluginElementDetail"));
    fixSize(Width, Height);

    tabWidget2 = new QTabWidget(this);
    tabWidget2->setObjectName(QStringLiteral("tabWidget2"));
    tabWidget2->setGeometry(0, 0, Width, Height);
    tab0 = new QWidget(tabWidget2);
    tab0->setObjectName(QStringLiteral("tab0"));
    Form::Builder(tab0).rows(rows).build(m_form);
    tabWidget2->addTab(tab0, QString());

    languageChange();
    resizeToForm(Width, Height);
}

void PluginElementDetail::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalInitialise();
    emit signalUpdateTabs();
}

void PluginElementDetail::languageChange()
{
    setWindowTitle(tr("Plugin Element Detail"));
    Form::applyTexts("PluginElementDetail", m_form);
    tabWidget2->setTabText(tabWidget2->indexOf(tab0), tr("ELEMENT"));
}
