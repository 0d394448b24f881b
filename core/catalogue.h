#pragma once

class DetailDialogsAddOn;
class IHostCommandTarget;
class QWidget;
struct MenuEntryRecord;

// The fixed catalogue of the add-on's 35 menu entries. The number of an entry
// encodes both the dialog it opens and the voice type that dialog serves.
namespace Catalogue {

constexpr int entryCount = 35;

// Voice types, fixed for a dialog when it is created from its entry.
enum VoiceType { Normal = 1, Plugin = 2, Drum = 3, NativeBoard = 4 };

bool isValidEntry(int entry);
int voiceTypeOf(int entry);

// A new menu entry record for a valid entry; freed by deleteMenuEntryRecord().
MenuEntryRecord *newMenuEntryRecord(int entry);
void deleteMenuEntryRecord(MenuEntryRecord *record);

// A new, hidden dialog for the entry, wrapped for the host; null for an
// invalid entry or one whose dialog this build does not have.
QWidget *createDialog(int entry, DetailDialogsAddOn *addOn, IHostCommandTarget *commands);

} // namespace Catalogue
