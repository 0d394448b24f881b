#include "xpb900jv.h"

#include "noteselectboard.h"

namespace {

constexpr BoardDesign board = NoteSelectBoard::design("XPB900JV", "XPB900-JV Native Parameter",
                                                      "XPB900-JV NATIVE PARAMETER", "JV");

} // namespace

XPB900JV::XPB900JV(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
