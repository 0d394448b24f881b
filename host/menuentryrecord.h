#pragma once

#include <wguid.h>

#include <cstddef>
#include <cstdint>

class QString;
class QKeySequence;

// What the add-on tells the host about one menu entry: 88 bytes, allocated by
// the add-on's menuEntry() and handed back to releaseMenuEntry(). The layout
// is the contract; fields marked "not written" keep whatever the allocation
// left there.
struct MenuEntryRecord
{
    W_GUID addOn;                // 0: the add-on identifier
    std::uint64_t zero16;        // 16: 0
    std::uint32_t zero24;        // 24: 0
    std::uint32_t unwritten28;   // 28: not written
    QString *title;              // 32: the menu title
    QKeySequence *shortcut;      // 40: an empty key sequence: no shortcut
    QString *menuPath;           // 48: an empty menu path
    std::uint16_t category;      // 56: 100
    std::uint16_t instance;      // 58: element number 1 to 4 for entries 1 to 4, else 1
    std::uint16_t flags;         // 60: 0x0101
    std::uint8_t zero62;         // 62: 0
    std::uint8_t unwritten63[9]; // 63: not written
    std::uint32_t zero72;        // 72: 0
    std::uint32_t zero76;        // 76: 0
    std::uint32_t all1s80;       // 80: 0xFFFFFFFF
    std::uint32_t all1s84;       // 84: 0xFFFFFFFF
};

static_assert(sizeof(MenuEntryRecord) == 88, "a menu entry record is 88 bytes");
static_assert(offsetof(MenuEntryRecord, title) == 32, "title at offset 32");
static_assert(offsetof(MenuEntryRecord, category) == 56, "category at offset 56");
static_assert(offsetof(MenuEntryRecord, zero72) == 72, "word at offset 72");
static_assert(offsetof(MenuEntryRecord, all1s84) == 84, "word at offset 84");
