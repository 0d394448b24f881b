#pragma once

#include <ihostcommandtarget.h>

#include <QList>

// A host command interface that records the commands it is asked to carry out.
class RecordingHost : public IHostCommandTarget
{
public:
    VESTRA_HOST_COMMAND_TARGET_PLACEHOLDERS

    HRESULT executeCommand(const W_GUID *group, int command, std::uint64_t *reply,
                           std::uint64_t reserved, bool synchronous) override
    {
        groups.append(*group);
        commands.append(command);
        replyWasZero.append(reply && *reply == 0);
        reservedWords.append(reserved);
        synchronousFlags.append(synchronous);
        return VESTRA_S_OK;
    }

    QList<W_GUID> groups;
    QList<int> commands;
    QList<bool> replyWasZero;
    QList<std::uint64_t> reservedWords;
    QList<bool> synchronousFlags;
};
