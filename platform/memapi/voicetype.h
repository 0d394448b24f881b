#pragma once

#include "memapi_export.h"

#include <QString>

// The kind of voice a block belongs to, and that a voice is. A voice is
// Normal, Plugin or Drum; Board marks the native parameters of the
// expansion boards, which a plug-in voice carries beside its own blocks.
// The numbers are those of the voice files and of editBufferLoaded().
enum class VoiceType : int { Normal = 1, Plugin = 2, Drum = 3, Board = 4 };

// Whether `number` names a voice (1 to 3), as voice files and the host give it.
constexpr bool isVoiceTypeNumber(int number)
{
    return number >= int(VoiceType::Normal) && number <= int(VoiceType::Drum);
}

// The voice type a board dialog's blocks belong to when the voice is shown:
// boards are edited as part of a plug-in voice.
constexpr VoiceType voiceOfBlocks(VoiceType blocks)
{
    return blocks == VoiceType::Board ? VoiceType::Plugin : blocks;
}

// The type's name as a musician reads it: "Normal", "Plug-in", "Drum", "Board".
VESTRA_MEMAPI_EXPORT QString voiceTypeName(VoiceType type);
