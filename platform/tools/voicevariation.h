#pragma once

#include <parameterref.h>
#include <voice.h>

#include <QString>

#include <functional>
#include <vector>

class SeededRandom;
class TParameterMemory;
class ToolLocks;

// New values for a voice, written through the memory: Randomise, Mutate
// and Morph. Each writes the type parameters first and then the others
// within the ranges the new types give them, so that every value is one
// the voice's file can hold. The caller makes the writes one step of the
// history (VoiceHistory::runAsOneStep, or a beginEdit()/endEdit() pair).
//
// They change the parameters of the voice's own blocks (and the boards'
// native parameters of a plug-in voice), except the locked ones. A type
// parameter counts as locked as well when any parameter of its part is
// locked, since a new type would reset or narrow that parameter.
namespace VoiceVariation {

// Whether a value may not change.
using Locked = std::function<bool(const ParameterRef &)>;

// The locks as a Locked, with the type rule above; locks may be null.
Locked lockedBy(const TParameterMemory &memory, const ToolLocks *locks);

// Every value the tools may change in the memory's voice, type parameters
// first, each group in schema order.
std::vector<ParameterRef> variableValues(const TParameterMemory &memory);

// Gives `percent` % of the unlocked values (100: every one) a new value,
// drawn evenly from its range. Returns how many values were drawn.
int randomise(TParameterMemory &memory, const Locked &locked, SeededRandom &random,
              int percent = 100);

// Moves every unlocked value from where it is by up to `percent` % of its
// range, either way. Type parameters change only when percent is above
// `typesAbove`, each then with a chance of percent % to a type drawn
// evenly. Returns how many values were moved.
int mutate(TParameterMemory &memory, const Locked &locked, SeededRandom &random, int percent,
           int typesAbove);

// Sets every unlocked value between voice `a` (amount 0) and voice `b`
// (amount 1): numbers in proportion, lists and type parameters from the
// nearer voice, and a part whose types differ between the two wholly from
// the nearer voice. Both must be voices of the memory's type, decoded
// against its schema.
void morph(TParameterMemory &memory, const Locked &locked, const Values &a, const Values &b,
           double amount);

} // namespace VoiceVariation
