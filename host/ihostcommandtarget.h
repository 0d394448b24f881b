#pragma once

#include "hresult.h"

#include <wguid.h>

#include <cstdint>

// The host command interface: the host editor's object that carries out
// commands, such as opening one of its selection windows. The host hands it
// to the add-on in IGenericEditorPluginInterface::attachHost().
//
// The order of declaration is the contract: only slot 5 is called by the
// add-on; slots 0 to 4 are the host's own and are declared as placeholders
// so that executeCommand() keeps its position.
class VESTRA_INTERFACE IHostCommandTarget
{
public:
    virtual void reserved0() = 0; // slot 0
    virtual void reserved1() = 0; // slot 1
    virtual void reserved2() = 0; // slot 2
    virtual void reserved3() = 0; // slot 3
    virtual void reserved4() = 0; // slot 4

    // Slot 5. Carries out command `command` of command group *group.
    // reply receives a 64-bit answer word (the add-on passes a zeroed word and
    // ignores it); reserved is 0; the last argument is true. The result is a
    // host result code, which the add-on ignores.
    virtual HRESULT executeCommand(const W_GUID *group, int command, std::uint64_t *reply,
                                   std::uint64_t reserved, bool synchronous) = 0;

protected:
    ~IHostCommandTarget() = default;
};

// Command numbers of the host command group.
namespace HostCommand {
constexpr int ArpeggioTypeSelect = 10;
constexpr int DrumVoiceSelect = 17;
constexpr int DrumWaveSelect = 38;
// Wave selection for element n (0 to 4) is WaveSelectBase + n: the element
// dialogs send 42 to 45.
constexpr int WaveSelectBase = 41;
// Switch-function type selection for slot n is SFAssignTypeSelectBase + n:
// the arpeggio dialog sends 46 to 50.
constexpr int SFAssignTypeSelectBase = 45;
} // namespace HostCommand

// Implements the placeholder slots of IHostCommandTarget in a host class.
#define VESTRA_HOST_COMMAND_TARGET_PLACEHOLDERS                                                    \
    void reserved0() override {}                                                                   \
    void reserved1() override {}                                                                   \
    void reserved2() override {}                                                                   \
    void reserved3() override {}                                                                   \
    void reserved4() override {}
