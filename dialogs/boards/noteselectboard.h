#pragma once

#include "boardform.h"

#include <iterator>

// The form boards JV and JZ share: four note-select slots (note, tune,
// level, pan, insertion-effect switch, reverb send) in four columns, and
// the board's insertion effect on a second page. "%1" in an address is the
// board's letters.
namespace NoteSelectBoard {

// page, column, row, caption, address, caption width where it differs
// clang-format off
inline constexpr BoardRow rows[] = {
    { 1, 1, 1, "Note Select 1",                      "FEkPluginNative%1/kPlgNtv%1NoteSel1" },
    { 1, 1, 3, "Note Select 1 Tune",                 "FEkPluginNative%1/kPlgNtv%1NoteSel1Tune" },
    { 1, 1, 4, "Note Select 1 Level",                "FEkPluginNative%1/kPlgNtv%1NoteSel1Level" },
    { 1, 1, 5, "Note Select 1 Pan",                  "FEkPluginNative%1/kPlgNtv%1NoteSel1Pan" },
    { 1, 1, 6, "Note Select 1 Insertion Effect",     "FEkPluginNative%1/kPlgNtv%1NoteSel1Ins", 150 },
    { 1, 1, 7, "Note Select 1 Rev Send",             "FEkPluginNative%1/kPlgNtv%1NoteSel1Rev" },
    { 1, 2, 1, "Note Select 2",                      "FEkPluginNative%1/kPlgNtv%1NoteSel2" },
    { 1, 2, 3, "Note Select 2 Tune",                 "FEkPluginNative%1/kPlgNtv%1NoteSel2Tune" },
    { 1, 2, 4, "Note Select 2 Level",                "FEkPluginNative%1/kPlgNtv%1NoteSel2Level" },
    { 1, 2, 5, "Note Select 2 Pan",                  "FEkPluginNative%1/kPlgNtv%1NoteSel2Pan" },
    { 1, 2, 6, "Note Select 2 Insertion Effect",     "FEkPluginNative%1/kPlgNtv%1NoteSel2Ins", 150 },
    { 1, 2, 7, "Note Select 2 Rev Send",             "FEkPluginNative%1/kPlgNtv%1NoteSel2Rev" },
    { 1, 3, 1, "Note Select 3",                      "FEkPluginNative%1/kPlgNtv%1NoteSel3" },
    { 1, 3, 3, "Note Select 3 Tune",                 "FEkPluginNative%1/kPlgNtv%1NoteSel3Tune" },
    { 1, 3, 4, "Note Select 3 Level",                "FEkPluginNative%1/kPlgNtv%1NoteSel3Level" },
    { 1, 3, 5, "Note Select 3 Pan",                  "FEkPluginNative%1/kPlgNtv%1NoteSel3Pan" },
    { 1, 3, 6, "Note Select 3 Insertion Effect",     "FEkPluginNative%1/kPlgNtv%1NoteSel3Ins", 150 },
    { 1, 3, 7, "Note Select 3 Rev Send",             "FEkPluginNative%1/kPlgNtv%1NoteSel3Rev" },
    { 1, 4, 1, "Note Select 4",                      "FEkPluginNative%1/kPlgNtv%1NoteSel4" },
    { 1, 4, 3, "Note Select 4 Tune",                 "FEkPluginNative%1/kPlgNtv%1NoteSel4Tune" },
    { 1, 4, 4, "Note Select 4 Level",                "FEkPluginNative%1/kPlgNtv%1NoteSel4Level" },
    { 1, 4, 5, "Note Select 4 Pan",                  "FEkPluginNative%1/kPlgNtv%1NoteSel4Pan", 150 },
    { 1, 4, 6, "Note Select 4 Insertion Effect",     "FEkPluginNative%1/kPlgNtv%1NoteSel4Ins", 150 },
    { 1, 4, 7, "Note Select 4  Rev Send",            "FEkPluginNative%1/kPlgNtv%1NoteSel4Rev" },
    { 2, 1, 1, "Insertion Effect Low EQ Frequency",  "FEkPluginNative%1/kPlgNtv%1InsLowEQFreq", 180 },
    { 2, 1, 2, "Insertion Effect Low EQ Gain",       "FEkPluginNative%1/kPlgNtv%1InsLowEQGain", 180 },
    { 2, 1, 3, "Insertion Effect High EQ Frequency", "FEkPluginNative%1/kPlgNtv%1InsHighEQFreq", 180 },
    { 2, 1, 4, "Insertion Effect High EQ Gain",      "FEkPluginNative%1/kPlgNtv%1InsHighEQGain", 180 },
    { 2, 1, 5, "Insertion Effect LFO Frequency",     "FEkPluginNative%1/kPlgNtv%1InsLFOFreq", 180 },
    { 2, 1, 6, "Insertion Effect LFO Depth",         "FEkPluginNative%1/kPlgNtv%1InsLFODepth", 180 },
    { 2, 1, 7, "Insertion Effect Drive",             "FEkPluginNative%1/kPlgNtv%1InsDrive", 180 },
    { 2, 1, 8, "Insertion Effect Dry / Wet",         "FEkPluginNative%1/kPlgNtv%1InsDryWet", 180 },
};
// clang-format on

inline constexpr BoardDesign design(const char *className, const char *title, const char *firstPage,
                                    const char *letters)
{
    return { className, title, firstPage, "INSERTION EFFECT", 647, rows, std::size(rows), letters };
}

} // namespace NoteSelectBoard
