#include "addon/entryplaces.h"

#include <QCoreApplication>

#include <iterator>

namespace {

// The add-on numbers its entries by voice type: 1 to 12 normal, 13 to 20
// plug-in, 21 to 28 drum, then the native parameters of the seven expansion
// boards, which belong to plug-in voices. Its titles carry the voice type as
// a prefix, and all seven boards share one title: the boards are named here,
// in the add-on's order.
constexpr int lastNormal = 12, lastPlugin = 20, lastDrum = 28, lastBoard = 35;
const char *const boardModels[] = { "XPB900-JQ", "XPB900-JW", "XPB900-JV", "XPB900-JK",
                                    "XPB900-JZ", "XPB900-JY", "XPB900-JX" };
const char *const titlePrefixes[] = { "Normal ", "Plugin ", "Drum " };

// The group of an entry by the words of its title; the rest is common.
const struct
{
    const char *word;
    EntryPlace::Group group;
} groups[] = {
    { "Element", EntryPlace::Elements },         { "Drum Key", EntryPlace::Elements },
    { "Insertion Effect", EntryPlace::Effects }, { "Reverb", EntryPlace::Effects },
    { "Chorus", EntryPlace::Effects },
};

} // namespace

std::optional<VoiceType> entryVoiceType(int index)
{
    if (index < 1 || index > lastBoard)
        return std::nullopt;
    return index <= lastNormal ? VoiceType::Normal
        : index <= lastPlugin  ? VoiceType::Plugin
        : index <= lastDrum    ? VoiceType::Drum
                               : VoiceType::Plugin;
}

int elementCount(VoiceType voiceType)
{
    switch (voiceType) {
    case VoiceType::Normal:
        return 4;
    case VoiceType::Plugin:
        return 1;
    default:
        return 0;
    }
}

EntryPlace entryPlace(const AddOnHost::Entry &entry)
{
    EntryPlace place{
        entryVoiceType(entry.index).value_or(VoiceType::Normal), EntryPlace::Common, entry.title, {}
    };
    if (entry.index > lastDrum) {
        place.group = EntryPlace::Boards;
        const std::size_t board = std::size_t(entry.index - lastDrum - 1);
        if (board < std::size(boardModels))
            place.label = QLatin1String(boardModels[board]);
        return place;
    }
    // "Drum Reverb" is "Reverb" in the drum voice's menu; "Element 2 detail" is "Element 2".
    for (const char *prefix : titlePrefixes) {
        if (place.label.startsWith(QLatin1String(prefix)))
            place.label.remove(0, int(qstrlen(prefix)));
    }
    if (place.label.endsWith(QLatin1String(" detail")))
        place.label.chop(7);
    for (const auto &g : groups) {
        if (place.label.contains(QLatin1String(g.word)))
            place.group = g.group;
    }
    // Ctrl+1 to Ctrl+4 open the elements; a plug-in or drum voice's one
    // element dialog answers Ctrl+1.
    if (place.group == EntryPlace::Elements)
        place.shortcut =
            QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + qBound(0, entry.instance - 1, 3)));
    return place;
}
