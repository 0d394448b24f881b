#include "xpb900jz.h"

namespace {

// page, column, row, caption, address, caption width where it differs
constexpr BoardRow rows[] = {
    { 1, 1, 1, "Note Select 1",                      "FEkPluginNativeJZ/kPlgNtvJZNoteSel1" },
    { 1, 1, 3, "Note Select 1 Tune",                 "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Tune" },
    { 1, 1, 4, "Note Select 1 Level",                "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Level" },
    { 1, 1, 5, "Note Select 1 Pan",                  "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Pan" },
    { 1, 1, 6, "Note Select 1 Insertion Effect",     "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Ins", 150 },
    { 1, 1, 7, "Note Select 1 Rev Send",             "FEkPluginNativeJZ/kPlgNtvJZNoteSel1Rev" },
    { 1, 2, 1, "Note Select 2",                      "FEkPluginNativeJZ/kPlgNtvJZNoteSel2" },
    { 1, 2, 3, "Note Select 2 Tune",                 "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Tune" },
    { 1, 2, 4, "Note Select 2 Level",                "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Level" },
    { 1, 2, 5, "Note Select 2 Pan",                  "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Pan" },
    { 1, 2, 6, "Note Select 2 Insertion Effect",     "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Ins", 150 },
    { 1, 2, 7, "Note Select 2 Rev Send",             "FEkPluginNativeJZ/kPlgNtvJZNoteSel2Rev" },
    { 1, 3, 1, "Note Select 3",                      "FEkPluginNativeJZ/kPlgNtvJZNoteSel3" },
    { 1, 3, 3, "Note Select 3 Tune",                 "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Tune" },
    { 1, 3, 4, "Note Select 3 Level",                "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Level" },
    { 1, 3, 5, "Note Select 3 Pan",                  "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Pan" },
    { 1, 3, 6, "Note Select 3 Insertion Effect",     "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Ins", 150 },
    { 1, 3, 7, "Note Select 3 Rev Send",             "FEkPluginNativeJZ/kPlgNtvJZNoteSel3Rev" },
    { 1, 4, 1, "Note Select 4",                      "FEkPluginNativeJZ/kPlgNtvJZNoteSel4" },
    { 1, 4, 3, "Note Select 4 Tune",                 "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Tune" },
    { 1, 4, 4, "Note Select 4 Level",                "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Level" },
    { 1, 4, 5, "Note Select 4 Pan",                  "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Pan", 150 },
    { 1, 4, 6, "Note Select 4 Insertion Effect",     "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Ins", 150 },
    { 1, 4, 7, "Note Select 4  Rev Send",            "FEkPluginNativeJZ/kPlgNtvJZNoteSel4Rev" },
    { 2, 1, 1, "Insertion Effect Low EQ Frequency",  "FEkPluginNativeJZ/kPlgNtvJZInsLowEQFreq", 180 },
    { 2, 1, 2, "Insertion Effect Low EQ Gain",       "FEkPluginNativeJZ/kPlgNtvJZInsLowEQGain", 180 },
    { 2, 1, 3, "Insertion Effect High EQ Frequency", "FEkPluginNativeJZ/kPlgNtvJZInsHighEQFreq", 180 },
    { 2, 1, 4, "Insertion Effect High EQ Gain",      "FEkPluginNativeJZ/kPlgNtvJZInsHighEQGain", 180 },
    { 2, 1, 5, "Insertion Effect LFO Frequency",     "FEkPluginNativeJZ/kPlgNtvJZInsLFOFreq", 180 },
    { 2, 1, 6, "Insertion Effect LFO Depth",         "FEkPluginNativeJZ/kPlgNtvJZInsLFODepth", 180 },
    { 2, 1, 7, "Insertion Effect Drive",             "FEkPluginNativeJZ/kPlgNtvJZInsDrive", 180 },
    { 2, 1, 8, "Insertion Effect Dry / Wet",         "FEkPluginNativeJZ/kPlgNtvJZInsDryWet", 180 },
};

constexpr BoardDesign board = {
    "XPB900JZ", "XPB900-JZ Native Parameter", "XPB900-JZ NATIVE PARAMETER", "INSERTION EFFECT", 647,
    rows, std::size(rows),
};

} // namespace

XPB900JZ::XPB900JZ(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QLatin1String(board.className));
    fixSize(board.width, BoardForm::height);
    m_form.build(this, board);
    languageChange();
    resizeToForm(board.width, BoardForm::height);
}

void XPB900JZ::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalInitialise();
    emit signalUpdateTabs();
}

void XPB900JZ::languageChange()
{
    m_form.applyTexts(this);
}
