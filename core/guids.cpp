#include <guids.h>

// Built when the library is loaded, before the host can call the factory.
namespace {
const W_GUID unknownIdentifier(0x00000000, 0x0000, 0x0000, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                               0x46);
const W_GUID pluginInterfaceIdentifier(0x6E5CB24E, 0xA0BB, 0x400D, 0x9B, 0x75, 0x04, 0x23, 0x34,
                                       0xA0, 0xC7, 0x6A);
const W_GUID addOnIdentifierValue(0xCD38DC80, 0x836E, 0x4644, 0x93, 0xC8, 0x61, 0xFC, 0x10, 0xC5,
                                  0xF9, 0xC0);
const W_GUID hostCommandGroupValue(0x1ACA2154, 0x5EFA, 0x4154, 0x8C, 0xF4, 0x10, 0xA8, 0xB1, 0xB8,
                                   0x72, 0x0F);
} // namespace

namespace VestraGuids {

const W_GUID &iidUnknown()
{
    return unknownIdentifier;
}

const W_GUID &iidGenericEditorPlugin()
{
    return pluginInterfaceIdentifier;
}

const W_GUID &addOnIdentifier()
{
    return addOnIdentifierValue;
}

const W_GUID &hostCommandGroup()
{
    return hostCommandGroupValue;
}

} // namespace VestraGuids
