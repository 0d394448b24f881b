#include "xpb900jz.h"

#include "noteselectboard.h"

namespace {

constexpr BoardDesign board = NoteSelectBoard::design("XPB900JZ", "XPB900-JZ Native Parameter",
                                                      "XPB900-JZ NATIVE PARAMETER", "JZ");

} // namespace

XPB900JZ::XPB900JZ(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : BoardDialog(board, parent, name, modal, flags)
{
}
