#pragma once

#include <imemapi.h>

#include <QString>

class IZintaVoiceData;

// Parameter addresses: the texts that tie a control or a label to one
// parameter of the parameter memory, such as
// "FEkNormalElement/kNrmElmWaveNumber": two hexadecimal digits selecting the
// part ("FE" the part the dialog edits, "00" to "30" a fixed one), "k" and a
// block word, "/k" and a parameter word.
namespace ParameterAddress {

// Whether `text` is an address: "^[0-9a-fA-F][0-9a-fA-F]k.*\/k".
bool isAddress(const QString &text);

// Whether the address belongs to the current drum key, whatever the letter case.
bool isDrumKeyAddress(const QString &address);

// The address as a dialog of `voiceType` binds it. Forms are drawn for
// normal voices: plug-in voices (2) read "Plugin"/"Plg" for every
// "Normal"/"Nrm", drum voices (3) "Drum"/"Drm"; other types keep it.
QString forVoiceType(const QString &address, int voiceType);

// The resolved triple of an address, or false when the memory does not know it.
bool resolve(IMemAPI *memAPI, const QString &address, IMemAPI::TSingleAddress *triple);

// The voice data behind the memory, when the host gave one.
IZintaVoiceData *voiceDataOf(IMemAPI *memAPI);

// The part to ask the memory for when the add-on itself wants a text of
// `address` resolved to `triple`: the current drum key for a drum-key
// address (when the voice data can be had), the dialog's edit channel for an
// "FE" address, otherwise the triple's own part.
int partFor(IMemAPI *memAPI, const QString &address, const IMemAPI::TSingleAddress &triple,
            int editChannel);

} // namespace ParameterAddress
