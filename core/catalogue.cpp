#include "catalogue.h"

#include "dialogfactory.h"

#include <detaildialogsieditorextensions.h>
#include <portamentodetail.h>
#include <ctrlset.h>
#include <ctrlsetcomlfo.h>
#include <arpeggio.h>
#include <chorus.h>
#include <insertionefa.h>
#include <insertionefb.h>
#include <reverb.h>
#include <drumkeydetail.h>
#include <eldetail.h>
#include <pluginelementdetail.h>
#include <xpb900jk.h>
#include <xpb900jq.h>
#include <xpb900jv.h>
#include <xpb900jw.h>
#include <xpb900jx.h>
#include <xpb900jy.h>
#include <xpb900jz.h>

#include <guids.h>
#include <menuentryrecord.h>

#include <QCoreApplication>
#include <QKeySequence>
#include <QString>

#include <cstring>
#include <iterator>

namespace Catalogue {
namespace {

// The element entries 1 to 4 each edit their own element.
QWidget *element(const DialogRequest &request)
{
    QWidget *dialog = wrapped<ELDetail>(request);
    static_cast<ELDetail *>(dialog)->setElement(request.entry);
    return dialog;
}

// One row per menu entry, as the host lists them. `word` is the dialog word
// of the menu title, null for the element entries whose title is numbered.
struct Entry
{
    int entry;
    int voiceType;
    const char *word;
    const char *objectName;
    DialogFactory create;
};

// clang-format off
constexpr Entry entries[] = {
    { 1, Normal, nullptr, nullptr, element },
    { 2, Normal, nullptr, nullptr, element },
    { 3, Normal, nullptr, nullptr, element },
    { 4, Normal, nullptr, nullptr, element },
    { 5, Normal, "Insertion Effect 1", "Insertion Effect 1", wrapped<InsertionEFA> },
    { 6, Normal, "Insertion Effect 2", "Insertion Effect 2", wrapped<InsertionEFB> },
    { 7, Normal, "Reverb", "Reverb", wrapped<Reverb> },
    { 8, Normal, "Arpeggio", "Arpeggio", wrapped<Arpeggio> },
    { 9, Normal, "Chorus", "Chorus", wrapped<Chorus> },
    { 10, Normal, "Controller Set", "Controller Set", wrapped<CtrlSet> },
    { 11, Normal, "Controller Set Common LFO", "Controller Set Common LFO", wrapped<CtrlSetComLFO> },
    { 12, Normal, "Portamento", "Portamento", wrapped<PortamentoDetail> },
    { 13, Plugin, "Insertion Effect 1", "Insertion Effect 1", wrapped<InsertionEFA> },
    { 14, Plugin, "Insertion Effect 2", "Insertion Effect 2", wrapped<InsertionEFB> },
    { 15, Plugin, "Reverb", "Reverb", wrapped<Reverb> },
    { 16, Plugin, "Arpeggio", "Arpeggio", wrapped<Arpeggio> },
    { 17, Plugin, "Chorus", "Chorus", wrapped<Chorus> },
    { 18, Plugin, "Controller Set", "Controller Set", wrapped<CtrlSet> },
    { 19, Plugin, "Controller Set Common LFO", "Controller Set Common LFO", wrapped<CtrlSetComLFO> },
    { 20, Plugin, "Plugin Element", "Plugin Element", wrapped<PluginElementDetail> },
    { 21, Drum, "Insertion Effect 1", "Insertion Effect 1", wrapped<InsertionEFA> },
    { 22, Drum, "Insertion Effect 2", "Insertion Effect 2", wrapped<InsertionEFB> },
    { 23, Drum, "Reverb", "Reverb", wrapped<Reverb> },
    { 24, Drum, "Arpeggio", "Arpeggio", wrapped<Arpeggio> },
    { 25, Drum, "Chorus", "Chorus", wrapped<Chorus> },
    { 26, Drum, "Controller Set", "Controller Set", wrapped<CtrlSet> },
    { 27, Drum, "Controller Set Common LFO", "Controller Set Common LFO", wrapped<CtrlSetComLFO> },
    { 28, Drum, "Drum Key", "Drum Key", wrapped<DrumKeyDetail> },
    { 29, NativeBoard, "Native Parameter", "XPB900-JQ Native Parameter", wrapped<XPB900JQ> },
    { 30, NativeBoard, "Native Parameter", "XPB900-JW Native Parameter", wrapped<XPB900JW> },
    { 31, NativeBoard, "Native Parameter", "XPB900-JV Native Parameter", wrapped<XPB900JV> },
    { 32, NativeBoard, "Native Parameter", "XPB900-JK Native Parameter", wrapped<XPB900JK> },
    { 33, NativeBoard, "Native Parameter", "XPB900-JZ Native Parameter", wrapped<XPB900JZ> },
    { 34, NativeBoard, "Native Parameter", "XPB900-JY Native Parameter", wrapped<XPB900JY> },
    { 35, NativeBoard, "Native Parameter", "XPB900-JX Native Parameter", wrapped<XPB900JX> },
};
// clang-format on
static_assert(std::size(entries) == entryCount, "one row per menu entry");

const Entry &rowOf(int entry)
{
    return entries[entry - 1];
}

// The title prefix of a voice type. Expansion-board parameters belong to
// plug-in boards and are listed as such.
const char *prefixOf(int voiceType)
{
    switch (voiceType) {
    case Normal:
        return "Normal ";
    case Drum:
        return "Drum ";
    default:
        return "Plugin ";
    }
}

QString elementTitle(int entry)
{
    return QStringLiteral("Element %1 detail").arg(entry);
}

QString titleOf(const Entry &row)
{
    if (!row.word)
        return elementTitle(row.entry);
    return QCoreApplication::translate("@default", prefixOf(row.voiceType))
        + QCoreApplication::translate("@default", row.word);
}

} // namespace

bool isValidEntry(int entry)
{
    return entry >= 1 && entry <= entryCount;
}

int voiceTypeOf(int entry)
{
    return isValidEntry(entry) ? rowOf(entry).voiceType : 0;
}

MenuEntryRecord *newMenuEntryRecord(int entry)
{
    const Entry &row = rowOf(entry);
    auto *record = new MenuEntryRecord;
    record->addOn = VestraGuids::addOnIdentifier();
    record->zero16 = 0;
    record->zero24 = 0;
    record->title = new QString(titleOf(row));
    record->shortcut = new QKeySequence;
    record->menuPath = new QString;
    record->category = 100;
    record->instance = row.word ? 1 : static_cast<std::uint16_t>(row.entry);
    record->flags = 0x0101;
    record->zero62 = 0;
    record->zero72 = 0;
    record->zero76 = 0;
    record->all1s80 = 0xFFFFFFFFu;
    record->all1s84 = 0xFFFFFFFFu;
    return record;
}

void deleteMenuEntryRecord(MenuEntryRecord *record)
{
    delete record->title;
    delete record->shortcut;
    delete record->menuPath;
    delete record;
}

QWidget *createDialog(int entry, DetailDialogsAddOn *addOn, IHostCommandTarget *commands)
{
    if (!isValidEntry(entry))
        return nullptr;
    const Entry &row = rowOf(entry);
    if (!row.create)
        return nullptr;
    const QString name = row.objectName ? QString::fromLatin1(row.objectName) : elementTitle(entry);
    DialogRequest request{ addOn, commands, row.voiceType, name.toLatin1(), name, entry };
    return row.create(request);
}

} // namespace Catalogue
