#include "xpb900jv.h"

namespace {

// page, column, row, caption, address, caption width where it differs
constexpr BoardRow rows[] = {
    { 1, 1, 1, "Note Select 1",                      "FEkPluginNativeJV/kPlgNtvJVNoteSel1" },
    { 1, 1, 3, "Note Select 1 Tune",                 "FEkPluginNativeJV/kPlgNtvJVNoteSel1Tune" },
    { 1, 1, 4, "Note Select 1 Level",                "FEkPluginNativeJV/kPlgNtvJVNoteSel1Level" },
    { 1, 1, 5, "Note Select 1 Pan",                  "FEkPluginNativeJV/kPlgNtvJVNoteSel1Pan" },
    { 1, 1, 6, "Note Select 1 Insertion Effect",     "FEkPluginNativeJV/kPlgNtvJVNoteSel1Ins", 150 },
    { 1, 1, 7, "Note Select 1 Rev Send",             "FEkPluginNativeJV/kPlgNtvJVNoteSel1Rev" },
    { 1, 2, 1, "Note Select 2",                      "FEkPluginNativeJV/kPlgNtvJVNoteSel2" },
    { 1, 2, 3, "Note Select 2 Tune",                 "FEkPluginNativeJV/kPlgNtvJVNoteSel2Tune" },
    { 1, 2, 4, "Note Select 2 Level",                "FEkPluginNativeJV/kPlgNtvJVNoteSel2Level" },
    { 1, 2, 5, "Note Select 2 Pan",                  "FEkPluginNativeJV/kPlgNtvJVNoteSel2Pan" },
    { 1, 2, 6, "Note Select 2 Insertion Effect",     "FEkPluginNativeJV/kPlgNtvJVNoteSel2Ins", 150 },
    { 1, 2, 7, "Note Select 2 Rev Send",             "FEkPluginNativeJV/kPlgNtvJVNoteSel2Rev" },
    { 1, 3, 1, "Note Select 3",                      "FEkPluginNativeJV/kPlgNtvJVNoteSel3" },
    { 1, 3, 3, "Note Select 3 Tune",                 "FEkPluginNativeJV/kPlgNtvJVNoteSel3Tune" },
    { 1, 3, 4, "Note Select 3 Level",                "FEkPluginNativeJV/kPlgNtvJVNoteSel3Level" },
    { 1, 3, 5, "Note Select 3 Pan",                  "FEkPluginNativeJV/kPlgNtvJVNoteSel3Pan" },
    { 1, 3, 6, "Note Select 3 Insertion Effect",     "FEkPluginNativeJV/kPlgNtvJVNoteSel3Ins", 150 },
    { 1, 3, 7, "Note Select 3 Rev Send",             "FEkPluginNativeJV/kPlgNtvJVNoteSel3Rev" },
    { 1, 4, 1, "Note Select 4",                      "FEkPluginNativeJV/kPlgNtvJVNoteSel4" },
    { 1, 4, 3, "Note Select 4 Tune",                 "FEkPluginNativeJV/kPlgNtvJVNoteSel4Tune" },
    { 1, 4, 4, "Note Select 4 Level",                "FEkPluginNativeJV/kPlgNtvJVNoteSel4Level" },
    { 1, 4, 5, "Note Select 4 Pan",                  "FEkPluginNativeJV/kPlgNtvJVNoteSel4Pan", 150 },
    { 1, 4, 6, "Note Select 4 Insertion Effect",     "FEkPluginNativeJV/kPlgNtvJVNoteSel4Ins", 150 },
    { 1, 4, 7, "Note Select 4  Rev Send",            "FEkPluginNativeJV/kPlgNtvJVNoteSel4Rev" },
    { 2, 1, 1, "Insertion Effect Low EQ Frequency",  "FEkPluginNativeJV/kPlgNtvJVInsLowEQFreq", 180 },
    { 2, 1, 2, "Insertion Effect Low EQ Gain",       "FEkPluginNativeJV/kPlgNtvJVInsLowEQGain", 180 },
    { 2, 1, 3, "Insertion Effect High EQ Frequency", "FEkPluginNativeJV/kPlgNtvJVInsHighEQFreq", 180 },
    { 2, 1, 4, "Insertion Effect High EQ Gain",      "FEkPluginNativeJV/kPlgNtvJVInsHighEQGain", 180 },
    { 2, 1, 5, "Insertion Effect LFO Frequency",     "FEkPluginNativeJV/kPlgNtvJVInsLFOFreq", 180 },
    { 2, 1, 6, "Insertion Effect LFO Depth",         "FEkPluginNativeJV/kPlgNtvJVInsLFODepth", 180 },
    { 2, 1, 7, "Insertion Effect Drive",             "FEkPluginNativeJV/kPlgNtvJVInsDrive", 180 },
    { 2, 1, 8, "Insertion Effect Dry / Wet",         "FEkPluginNativeJV/kPlgNtvJVInsDryWet", 180 },
};

constexpr BoardDesign board = {
    "XPB900JV", "XPB900-JV Native Parameter", "XPB900-JV NATIVE PARAMETER", "INSERTION EFFECT", 647,
    rows, std::size(rows),
};

} // namespace

XPB900JV::XPB900JV(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : DetailDialog(parent, name, modal, flags)
{
    if (!name)
        setObjectName(QLatin1String(board.className));
    fixSize(board.width, BoardForm::height);
    m_form.build(this, board);
    languageChange();
    resizeToForm(board.width, BoardForm::height);
}

void XPB900JV::connectMemAPI()
{
    if (!memAPI())
        return;
    emit signalInitialise();
    emit signalUpdateTabs();
}

void XPB900JV::languageChange()
{
    m_form.applyTexts(this);
}
